// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsPrinter.h"

#include <utility>

#include "platform/cups/UnfinishedJobs.h"

namespace platform::cups {

CupsPrinter::CupsPrinter(std::unique_ptr<CupsConnection> connection, std::string name,
                         int queuedJobs)
    : connection_(std::move(connection)), name_(std::move(name)), queuedJobs_(queuedJobs) {}

CupsPrinter::~CupsPrinter() {
  close();
}

bool CupsPrinter::fail() {
  return fail(connection_ ? connection_->lastError() : kNoAnswerInTime);
}

bool CupsPrinter::fail(std::string reason) {
  // The first failure is the reason; what follows from it says nothing new.
  if (document_ == Document::Failed) return false;
  document_ = Document::Failed;
  lastError_ = std::move(reason);
  return false;
}

bool CupsPrinter::failMaybeQueued(std::string reason) {
  rememberUnfinishedJob(name_, documentName_);
  return fail(std::move(reason));
}

bool CupsPrinter::startDoc(const std::string& documentName) {
  if (!connection_ || connection_->gaveUp()) return fail();
  documentName_ = documentName;
  document_ = Document::Held;
  return true;
}

bool CupsPrinter::write(const ByteString& bytes) {
  if (!going()) return fail();
  bytes_ += bytes;
  return true;
}

bool CupsPrinter::endDoc() {
  if (!going()) return fail();
  IppMessage request = newQueueRequest(IppOperation::PrintJob, name_);
  request.add(IppTag::Operation, IppTag::Name, "job-name", {documentName_});
  request.add(IppTag::Operation, IppTag::MimeType, "document-format", {"application/vnd.cups-raw"});
  const PostedDocument posted = connection_->post(request, printerResource(name_), bytes_);
  if (posted.sent == PostedDocument::Sent::No) return fail();
  if (!posted.response) {
    return failMaybeQueued(connection_->gaveUp()
                               ? "The scheduler did not answer in time; the job may still print."
                               : "The scheduler's answer was cut off; the job may still print.");
  }
  const bool accepted = posted.response->succeeded();
  const IppAttribute* jobId = posted.response->find("job-id", IppTag::Integer);
  const int number = jobId ? jobId->integer() : 0;
  if (!accepted) return fail();
  // A job without a number of its own can be neither followed nor cancelled by it.
  if (number <= 0) {
    return failMaybeQueued("The scheduler accepted the job but gave it no valid number.");
  }
  jobId_ = number;
  document_ = Document::Accepted;
  return true;
}

void CupsPrinter::close() {
  connection_.reset();
  jobId_ = 0;
}

}  // namespace platform::cups
