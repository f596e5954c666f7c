// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <string>

#include "platform/Spooler.h"
#include "platform/cups/CupsConnection.h"

namespace platform::cups {

// A CUPS queue opened on the connection its lookup was made on. The document is one Print-Job
// that carries it whole: the printer holds the bytes from startDoc until endDoc and sends them
// then, so a job either reaches the scheduler whole or does not exist. CUPS has no pages, so the
// page calls only say whether the document is still going. A job that may exist although its
// answer was lost is remembered, so that the next opener of the queue cancels it.
class CupsPrinter : public Printer {
 public:
  // queuedJobs is the count the lookup of the queue gave.
  CupsPrinter(std::unique_ptr<CupsConnection> connection, std::string name, int queuedJobs);
  ~CupsPrinter() override;

  int queuedJobs() override { return queuedJobs_; }
  bool startDoc(const std::string& documentName) override;
  bool startPage() override { return going(); }
  bool write(const ByteString& bytes) override;
  bool endPage() override { return going(); }
  bool endDoc() override;
  void close() override;
  std::string lastError() const override { return lastError_; }
  int jobId() const override { return jobId_; }

 private:
  enum class Document { NotStarted, Held, Accepted, Failed };

  bool going() const { return document_ == Document::Held; }
  // Records why the spooler did not take the document, in the scheduler's words or in reason.
  bool fail();
  bool fail(std::string reason);
  // The job may stand in the queue although the scheduler did not say so.
  bool failMaybeQueued(std::string reason);

  std::unique_ptr<CupsConnection> connection_;
  std::string name_;
  int queuedJobs_;
  std::string documentName_;
  ByteString bytes_;
  // 0 until the scheduler accepted the job.
  int jobId_ = 0;
  Document document_ = Document::NotStarted;
  std::string lastError_;
};

}  // namespace platform::cups
