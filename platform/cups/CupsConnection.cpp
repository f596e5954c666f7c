// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsConnection.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <utility>

namespace platform::cups {

namespace {

using Io = SchedulerSocket::Io;

constexpr std::chrono::seconds kConnectTime{5};
// Each request's time in all, from the first byte sent to the last byte of the answer, and the
// time all the requests of a connection (a job's lookup, Print-Job and any cancels) may take
// together.
constexpr std::chrono::seconds kRequestTime{5};
constexpr std::chrono::seconds kConnectionTime{6};

// Far more than the answer about a thousand queues; a server that sends more is not a scheduler.
constexpr std::size_t kLongestAnswer = 16 << 20;

constexpr int kHttpContinue = 100;
constexpr int kHttpOk = 200;
constexpr int kHttpUnauthorized = 401;

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The scheduler's certificate for local clients, which only a privileged process can read.
std::string localCertificate() {
  const char* stateDir = std::getenv("CUPS_STATEDIR");
  std::ifstream in(std::string(stateDir && *stateDir ? stateDir : "/run/cups") + "/certs/0");
  std::string certificate;
  in >> certificate;
  return certificate;
}

}  // namespace

std::unique_ptr<CupsConnection> CupsConnection::open(std::string* whyNot) {
  const SchedulerAddress address = schedulerAddress();
  std::string reason;
  auto socket =
      SchedulerSocket::connect(address, std::chrono::steady_clock::now() + kConnectTime, reason);
  if (!socket) {
    if (whyNot) *whyNot = reason.empty() ? "The connection failed." : reason;
    return nullptr;
  }
  return std::unique_ptr<CupsConnection>(new CupsConnection(address, std::move(socket)));
}

CupsConnection::CupsConnection(SchedulerAddress address, std::unique_ptr<SchedulerSocket> socket)
    : address_(std::move(address)), socket_(std::move(socket)) {}

std::string CupsConnection::lastError() const {
  return gaveUp_ ? kNoAnswerInTime : error_;
}

std::string CupsConnection::server() {
  return schedulerAddress().name();
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

void CupsConnection::failed(Io io) {
  switch (io) {
    case Io::TimedOut:
      gaveUp_ = true;
      break;
    case Io::Closed:
      error_ = "The scheduler closed the connection.";
      break;
    case Io::Failed:
      if (error_.empty()) {
        const int error = socket_ ? socket_->error() : 0;
        error_ = error != 0 ? std::strerror(error) : "The connection failed.";
      }
      break;
    case Io::Done:
      break;
  }
  // Whatever is left of the connection is out of step with the scheduler.
  socket_.reset();
  buffer_.clear();
}

Io CupsConnection::tooLong() {
  error_ = "The scheduler's answer was too long.";
  return Io::Failed;
}

Io CupsConnection::fill(std::size_t size) {
  if (size > kLongestAnswer) return tooLong();
  while (buffer_.size() < size) {
    if (const Io io = socket_->receive(buffer_, deadline_); io != Io::Done) return io;
  }
  return Io::Done;
}

Io CupsConnection::readLine(std::string& line) {
  std::size_t end;
  while ((end = buffer_.find("\r\n")) == std::string::npos) {
    if (buffer_.size() > kLongestAnswer) return tooLong();
    if (const Io io = socket_->receive(buffer_, deadline_); io != Io::Done) return io;
  }
  line = buffer_.substr(0, end);
  buffer_.erase(0, end + 2);
  return Io::Done;
}

Io CupsConnection::readHead(Answer& answer) {
  std::string line;
  if (const Io io = readLine(line); io != Io::Done) return io;
  // HTTP/1.1 200 OK
  const auto code = line.find(' ');
  if (line.compare(0, 5, "HTTP/") != 0 || code == std::string::npos) {
    error_ = "The scheduler's answer was not HTTP.";
    return Io::Failed;
  }
  answer = Answer{};
  answer.status = std::atoi(line.c_str() + code + 1);
  const auto reason = line.find(' ', code + 1);
  if (reason != std::string::npos) answer.reason = line.substr(reason + 1);
  for (;;) {
    if (const Io io = readLine(line); io != Io::Done) return io;
    if (line.empty()) return Io::Done;
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    const auto value = line.find_first_not_of(" \t", colon + 1);
    answer.fields[lowered(line.substr(0, colon))] =
        value == std::string::npos ? "" : line.substr(value);
  }
}

Io CupsConnection::readBody(Answer& answer) {
  const auto field = [&](const char* name) {
    const auto found = answer.fields.find(name);
    return found == answer.fields.end() ? std::string() : lowered(found->second);
  };
  if (field("transfer-encoding").find("chunked") != std::string::npos) {
    for (;;) {
      std::string line;
      if (const Io io = readLine(line); io != Io::Done) return io;
      const std::size_t size = std::strtoul(line.c_str(), nullptr, 16);
      if (const Io io = fill(size + 2); io != Io::Done) return io;
      if (answer.body.size() + size > kLongestAnswer) return tooLong();
      answer.body.append(buffer_, 0, size);
      buffer_.erase(0, size + 2);
      if (size == 0) return Io::Done;
    }
  }
  if (const std::string length = field("content-length"); !length.empty()) {
    const std::size_t size = std::strtoul(length.c_str(), nullptr, 10);
    if (const Io io = fill(size); io != Io::Done) return io;
    answer.body = buffer_.substr(0, size);
    buffer_.erase(0, size);
    return Io::Done;
  }
  // No length: the body runs to the end of the connection.
  Io io;
  while ((io = socket_->receive(buffer_, deadline_)) == Io::Done) {
    if (buffer_.size() > kLongestAnswer) return tooLong();
  }
  if (io != Io::Closed) return io;
  answer.body = std::exchange(buffer_, {});
  socket_.reset();
  return Io::Done;
}

std::string CupsConnection::head(const std::string& resource, std::size_t length, bool askFirst,
                                 const std::string& authorization) const {
  const std::string host = address_.local() ? "localhost"
                           : address_.host.find(':') != std::string::npos
                               ? "[" + address_.host + "]:" + std::to_string(address_.port)
                               : address_.host + ":" + std::to_string(address_.port);
  std::string text =
      "POST " + resource + " HTTP/1.1\r\nHost: " + host +
      "\r\nContent-Type: application/ipp\r\nContent-Length: " + std::to_string(length) + "\r\n";
  if (askFirst) text += "Expect: 100-continue\r\n";
  if (!authorization.empty()) text += "Authorization: " + authorization + "\r\n";
  return text + "\r\n";
}

std::string CupsConnection::authorizationFor(const Answer& answer) const {
  const auto found = answer.fields.find("www-authenticate");
  const std::string schemes = found == answer.fields.end() ? "" : found->second;
  // On the local socket the scheduler reads who we are from the socket itself.
  if (address_.local() && schemes.find("PeerCred") != std::string::npos) {
    const std::string user = userName();
    if (loginName(getuid()) == user) return "PeerCred " + user;
  }
  if (schemes.find("Local") != std::string::npos) {
    if (const std::string certificate = localCertificate(); !certificate.empty())
      return "Local " + certificate;
  }
  return "";
}

CupsConnection::Outcome CupsConnection::exchange(const std::string& resource,
                                                 const std::string& body, bool askFirst,
                                                 Answer& answer) {
  std::string authorization;
  bool reconnected = false;
  for (;;) {
    answer = Answer{};
    const bool kept = used_;
    if (!socket_) {
      std::string reason;
      socket_ = SchedulerSocket::connect(address_, deadline_, reason);
      if (!socket_) {
        if (std::chrono::steady_clock::now() >= deadline_) gaveUp_ = true;
        error_ = reason;
        return Outcome::NotSent;
      }
    }
    used_ = true;
    const std::string start = head(resource, body.size(), askFirst, authorization);
    bool bodyGone = false;
    Io io = socket_->send(askFirst ? start : start + body, deadline_);
    if (io == Io::Done) {
      bodyGone = !askFirst;
      io = readHead(answer);
    }
    if (io == Io::Done && askFirst && answer.status == kHttpContinue) {
      io = socket_->send(body, deadline_);
      // A body cut short is dropped whole by the scheduler.
      if (io != Io::Done) {
        failed(io);
        return Outcome::NotSent;
      }
      bodyGone = true;
      io = readHead(answer);
    }
    // Interim answers say nothing of the request.
    while (io == Io::Done && answer.status >= kHttpContinue && answer.status < kHttpOk)
      io = readHead(answer);
    if (io == Io::Done) io = readBody(answer);

    if (io != Io::Done) {
      const bool nothingBack = io == Io::Closed && answer.status == 0;
      failed(io);
      // A connection kept from an earlier request may have been closed by the scheduler
      // meanwhile: try once on a new one, unless a document may already be queued.
      if (kept && nothingBack && !reconnected && !(askFirst && bodyGone)) {
        reconnected = true;
        continue;
      }
      return bodyGone ? Outcome::Unanswered : Outcome::NotSent;
    }
    answer.bodySent = bodyGone;
    const auto connection = answer.fields.find("connection");
    // After refusing a body it asked to wait for, a server may still expect it: a new request
    // goes on a new connection.
    if ((connection != answer.fields.end() && lowered(connection->second) == "close") ||
        !bodyGone) {
      socket_.reset();
      buffer_.clear();
    }
    if (answer.status == kHttpUnauthorized && authorization.empty()) {
      authorization = authorizationFor(answer);
      if (!authorization.empty()) continue;
    }
    return Outcome::Answered;
  }
}

std::optional<IppMessage> CupsConnection::decoded(const Answer& answer) {
  if (answer.status != kHttpOk) {
    // An HTTP refusal (no such resource, not allowed) is no IPP answer.
    error_ = answer.reason.empty() ? "HTTP " + std::to_string(answer.status) : answer.reason;
    return std::nullopt;
  }
  std::optional<IppMessage> message = IppMessage::decode(answer.body);
  if (!message) {
    error_ = "The scheduler's answer was not IPP.";
  } else if (!message->succeeded()) {
    error_ = message->statusText();
  }
  return message;
}

std::optional<IppMessage> CupsConnection::request(const IppMessage& request,
                                                  const std::string& resource) {
  if (gaveUp_) return std::nullopt;
  startRequest();
  Answer answer;
  const Outcome outcome = exchange(resource, request.encode(), false, answer);
  endRequest();
  if (outcome != Outcome::Answered) return std::nullopt;
  return decoded(answer);
}

PostedDocument CupsConnection::post(const IppMessage& request, const std::string& resource,
                                    const ByteString& document) {
  if (gaveUp_) return {PostedDocument::Sent::No, std::nullopt};
  startRequest();
  Answer answer;
  const Outcome outcome = exchange(resource, request.encode() + document, true, answer);
  endRequest();
  switch (outcome) {
    case Outcome::NotSent:
      return {PostedDocument::Sent::No, std::nullopt};
    case Outcome::Unanswered:
      return {PostedDocument::Sent::Whole, std::nullopt};
    case Outcome::Answered:
      break;
  }
  // An HTTP refusal, before the body or after it, makes no job.
  if (answer.status != kHttpOk || !answer.bodySent) {
    decoded(answer);
    if (answer.status == kHttpOk) error_ = "The scheduler answered before it took the document.";
    return {PostedDocument::Sent::No, std::nullopt};
  }
  std::optional<IppMessage> message = decoded(answer);
  // An answer that is not IPP says nothing of the job, which may still be queued.
  return {PostedDocument::Sent::Whole, std::move(message)};
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

IppMessage newQueueRequest(IppOperation operation, const std::string& queue) {
  IppMessage request = IppMessage::request(operation);
  request.add(IppTag::Operation, IppTag::Uri, "printer-uri", {printerUri(queue)});
  request.add(IppTag::Operation, IppTag::Name, "requesting-user-name", {userName()});
  return request;
}

}  // namespace platform::cups
