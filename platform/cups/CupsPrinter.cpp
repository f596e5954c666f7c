#include "platform/cups/CupsPrinter.h"

#include <utility>

namespace platform::cups {

CupsPrinter::CupsPrinter(std::unique_ptr<CupsConnection> connection, std::string name)
    : connection_(std::move(connection)),
      name_(std::move(name)),
      uri_(printerUri(name_)),
      resource_(printerResource(name_)) {}

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

ipp_t* CupsPrinter::newRequest(ipp_op_t operation) const {
  ipp_t* request = ippNewRequest(operation);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri_.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  return request;
}

void CupsPrinter::startDoc(const std::string& documentName) {
  if (!reachable()) return;
  // A plain request rather than cupsCreateJob, which waits minutes whatever the connection's
  // timeout says.
  ipp_t* request = newRequest(IPP_OP_CREATE_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, documentName.c_str());
  ipp_t* response = cupsDoRequest(connection_->http(), request, resource_.c_str());
  ipp_attribute_t* jobId = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER);
  if (jobId && cupsLastError() <= IPP_STATUS_OK_CONFLICTING) jobId_ = ippGetInteger(jobId, 0);
  ippDelete(response);
}

void CupsPrinter::startDocument() {
  ipp_t* request = newRequest(IPP_OP_SEND_DOCUMENT);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId_);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
               CUPS_FORMAT_RAW);
  // The job holds this one document, however many writes make it up.
  ippAddBoolean(request, IPP_TAG_OPERATION, "last-document", 1);
  const http_status_t status =
      cupsSendRequest(connection_->http(), request, resource_.c_str(), CUPS_LENGTH_VARIABLE);
  ippDelete(request);
  document_ = status == HTTP_STATUS_CONTINUE ? Document::Streaming : Document::Ended;
}

void CupsPrinter::write(const ByteString& bytes) {
  // An empty chunk would end the document on the wire.
  if (jobId_ == 0 || !reachable() || bytes.empty()) return;
  if (document_ == Document::NotStarted) startDocument();
  if (document_ != Document::Streaming) return;
  if (cupsWriteRequestData(connection_->http(), bytes.data(), bytes.size()) !=
      HTTP_STATUS_CONTINUE) {
    document_ = Document::Ended;
  }
}

void CupsPrinter::endDoc() {
  if (jobId_ == 0 || !reachable()) return;
  // A document with no bytes is still sent, so that the job is complete.
  if (document_ == Document::NotStarted) startDocument();
  if (document_ != Document::Streaming) return;
  ippDelete(cupsGetResponse(connection_->http(), resource_.c_str()));
  document_ = Document::Ended;
}

void CupsPrinter::close() {
  connection_.reset();
}

}  // namespace platform::cups
