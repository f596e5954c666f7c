// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsPrinter.h"

#include <utility>

namespace platform::cups {

namespace {

bool succeeded(ipp_t* response) {
  return response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING;
}

}  // namespace

CupsPrinter::CupsPrinter(std::unique_ptr<CupsConnection> connection, std::string name,
                         UnfinishedJobs& unfinishedJobs)
    : connection_(std::move(connection)),
      name_(std::move(name)),
      uri_(printerUri(name_)),
      resource_(printerResource(name_)),
      unfinishedJobs_(unfinishedJobs) {}

CupsPrinter::~CupsPrinter() {
  close();
}

int CupsPrinter::queuedJobs() {
  if (!reachable()) return 0;
  cups_job_t* jobs = nullptr;
  const int count =
      cupsGetJobs2(connection_->http(), &jobs, name_.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
  cupsFreeJobs(count, jobs);
  return count < 0 ? 0 : count;
}

bool CupsPrinter::fail() {
  return fail(connection_ ? connection_->lastError() : cupsLastErrorString());
}

bool CupsPrinter::fail(std::string reason) {
  // The first failure is the reason; what follows from it says nothing new.
  if (document_ == Document::Failed) return false;
  document_ = Document::Failed;
  lastError_ = std::move(reason);
  return false;
}

ipp_t* CupsPrinter::newRequest(ipp_op_t operation) const {
  ipp_t* request = ippNewRequest(operation);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri_.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  return request;
}

bool CupsPrinter::startDoc(const std::string& documentName) {
  if (!reachable()) return fail();
  // A plain request rather than cupsCreateJob, which waits minutes whatever the connection's
  // timeout says.
  ipp_t* request = newRequest(IPP_OP_CREATE_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, documentName.c_str());
  ipp_t* response = cupsDoRequest(connection_->http(), request, resource_.c_str());
  const bool created = succeeded(response);
  ipp_attribute_t* jobId = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER);
  const int number = jobId ? ippGetInteger(jobId, 0) : 0;
  ippDelete(response);
  if (!created) return fail();
  // A job without a number of its own can be neither sent to nor cancelled.
  if (number <= 0) return fail("The scheduler accepted the job but gave it no valid number.");
  jobId_ = number;
  return true;
}

bool CupsPrinter::startDocument() {
  ipp_t* request = newRequest(IPP_OP_SEND_DOCUMENT);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId_);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
               CUPS_FORMAT_RAW);
  // The job holds this one document, however many writes make it up.
  ippAddBoolean(request, IPP_TAG_OPERATION, "last-document", 1);
  const http_status_t status =
      cupsSendRequest(connection_->http(), request, resource_.c_str(), CUPS_LENGTH_VARIABLE);
  ippDelete(request);
  if (status != HTTP_STATUS_CONTINUE) return fail();
  document_ = Document::Streaming;
  return true;
}

bool CupsPrinter::write(const ByteString& bytes) {
  if (!going() || !reachable()) return fail();
  if (document_ == Document::NotStarted && !startDocument()) return false;
  // An empty chunk would end the document on the wire.
  if (bytes.empty()) return true;
  if (cupsWriteRequestData(connection_->http(), bytes.data(), bytes.size()) !=
      HTTP_STATUS_CONTINUE) {
    return fail();
  }
  return true;
}

bool CupsPrinter::endDoc() {
  if (!going() || !reachable()) return fail();
  // A document with no bytes is still sent, so that the job is complete.
  if (document_ == Document::NotStarted && !startDocument()) return false;
  ipp_t* response = cupsGetResponse(connection_->http(), resource_.c_str());
  const bool accepted = succeeded(response);
  ippDelete(response);
  if (!accepted) return fail();
  document_ = Document::Accepted;
  return true;
}

void CupsPrinter::close() {
  // The connection goes first: a request left half-written on it would hold up the
  // scheduler's answer to the cancel.
  connection_.reset();
  if (jobId_ != 0 && document_ != Document::Accepted) unfinishedJobs_.cancel(name_, jobId_);
  jobId_ = 0;
}

}  // namespace platform::cups
