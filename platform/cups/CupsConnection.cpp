// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsConnection.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform::cups {

namespace {

constexpr int kConnectTimeoutMs = 5000;
// Each request's time in all, from the first byte sent to the last byte of the answer, and the
// time all the requests of a connection (a job's lookup, Print-Job and any cancels) may take
// together.
constexpr std::chrono::seconds kRequestTime{5};
constexpr std::chrono::seconds kConnectionTime{6};
// How often a wait looks at the request's clock: each quiet spell this long, so that a
// scheduler trickling its answer cannot hold the request past its time.
constexpr double kWaitSliceSeconds = 0.25;
constexpr int kWaitSliceMs = 250;

}  // namespace

std::unique_ptr<CupsConnection> CupsConnection::open(std::string* whyNot) {
  // cupsServer() also sets the port when the server is given as host:port, so it comes first.
  const char* server = cupsServer();
  const int port = ippPort();
  // Created unconnected, so that the reason a connect fails can be read before the handle goes.
  http_t* http = httpConnect2(server, port, nullptr, AF_UNSPEC, cupsEncryption(), 1, 0, nullptr);
  if (!http) {
    // The server's name could not be looked up; libcups keeps the resolver's words.
    if (whyNot) *whyNot = cupsLastErrorString();
    return nullptr;
  }
  errno = 0;
  if (httpReconnect2(http, kConnectTimeoutMs, nullptr) != 0) {
    // libcups has no words of its own for a failed connect; the system's are what lp shows. A
    // connect refused at once (a full backlog: EAGAIN) leaves its reason in errno alone.
    const int error = httpError(http) != 0 ? httpError(http) : errno;
    if (whyNot) *whyNot = error != 0 ? std::strerror(error) : "The connection failed.";
    httpClose(http);
    return nullptr;
  }
  return std::unique_ptr<CupsConnection>(new CupsConnection(http));
}

CupsConnection::CupsConnection(http_t* http) : http_(http) {
  httpSetTimeout(http_, kWaitSliceSeconds, &CupsConnection::keepWaiting, this);
}

CupsConnection::~CupsConnection() {
  httpClose(http_);
}

std::string CupsConnection::lastError() const {
  if (gaveUp_) return kNoAnswerInTime;
  return error_.empty() ? cupsLastErrorString() : error_;
}

std::string CupsConnection::server() {
  return std::string(cupsServer()) + ":" + std::to_string(ippPort());
}

int CupsConnection::keepWaiting(http_t*, void* connection) {
  auto& self = *static_cast<CupsConnection*>(connection);
  if (std::chrono::steady_clock::now() < self.deadline_) return 1;
  self.gaveUp_ = true;
  return 0;
}

void CupsConnection::startRequest() {
  error_.clear();
  requestStart_ = std::chrono::steady_clock::now();
  deadline_ = requestStart_ + std::min<std::chrono::steady_clock::duration>(
                                  kRequestTime, kConnectionTime - waited_);
}

void CupsConnection::endRequest() {
  waited_ += std::chrono::steady_clock::now() - requestStart_;
}

bool CupsConnection::awaitAnswer() {
  while (!httpWait(http_, kWaitSliceMs)) {
    if (std::chrono::steady_clock::now() >= deadline_) {
      gaveUp_ = true;
      return false;
    }
  }
  return true;
}

ipp_t* CupsConnection::request(ipp_t* request, const std::string& resource) {
  if (gaveUp_) {
    ippDelete(request);
    return nullptr;
  }
  startRequest();
  ipp_t* response = cupsDoRequest(http_, request, resource.c_str());
  endRequest();
  if (!gaveUp_) return response;
  // Whatever came before the time ran out is no answer.
  ippDelete(response);
  return nullptr;
}

PostedDocument CupsConnection::post(ipp_t* request, const std::string& resource,
                                    const ByteString& document) {
  const std::unique_ptr<ipp_t, void (*)(ipp_t*)> owned(request, &ippDelete);
  if (gaveUp_) return {PostedDocument::Sent::No, nullptr};
  startRequest();
  PostedDocument posted = send(request, resource, document);
  endRequest();
  if (gaveUp_) {
    ippDelete(posted.response);
    posted.response = nullptr;
  }
  return posted;
}

PostedDocument CupsConnection::send(ipp_t* request, const std::string& resource,
                                    const ByteString& document) {
  const PostedDocument notSent{PostedDocument::Sent::No, nullptr};
  const auto sendHead = [&] {
    httpClearFields(http_);
    httpSetField(http_, HTTP_FIELD_CONTENT_TYPE, "application/ipp");
    httpSetExpect(http_, HTTP_STATUS_CONTINUE);
    httpSetLength(http_, ippLength(request) + document.size());
    if (httpPost(http_, resource.c_str()) != 0 || !awaitAnswer()) return HTTP_STATUS_ERROR;
    return httpUpdate(http_);
  };
  http_status_t status = sendHead();
  // A connection kept since the lookup may have been closed by the scheduler meanwhile; no byte
  // of the body has gone, so a second try cannot make a second job.
  if (status == HTTP_STATUS_ERROR && !gaveUp_ &&
      httpReconnect2(http_, kConnectTimeoutMs, nullptr) == 0) {
    status = sendHead();
  }
  if (status == HTTP_STATUS_ERROR) {
    if (!gaveUp_ && httpError(http_) != 0) error_ = std::strerror(httpError(http_));
    return notSent;
  }
  if (status != HTTP_STATUS_CONTINUE) {
    // An HTTP answer before the body (no such resource, not allowed) is the refusal.
    error_ = httpStatus(status);
    httpFlush(http_);
    return notSent;
  }
  ipp_state_t state;
  while ((state = ippWrite(http_, request)) != IPP_STATE_DATA) {
    if (state == IPP_STATE_ERROR) return notSent;
  }
  // A body cut short is dropped whole by the scheduler.
  if ((!document.empty() && httpWrite2(http_, document.data(), document.size()) < 0) ||
      httpFlushWrite(http_) < 0) {
    return notSent;
  }
  return {PostedDocument::Sent::Whole, cupsGetResponse(http_, resource.c_str())};
}

std::string percentEncoded(const std::string& text) {
  std::string encoded;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += static_cast<char>(c);
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", c);
      encoded += escape;
    }
  }
  return encoded;
}

std::string printerResource(const std::string& queue) {
  return "/printers/" + percentEncoded(queue);
}

std::string printerUri(const std::string& queue) {
  return "ipp://localhost" + printerResource(queue);
}

ipp_t* newQueueRequest(ipp_op_t operation, const std::string& queue) {
  ipp_t* request = ippNewRequest(operation);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               printerUri(queue).c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  return request;
}

}  // namespace platform::cups
