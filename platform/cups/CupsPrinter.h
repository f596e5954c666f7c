// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <string>

#include "platform/Spooler.h"
#include "platform/cups/CupsConnection.h"
#include "platform/cups/UnfinishedJobs.h"

namespace platform::cups {

// A CUPS queue opened on a connection of its own. The document is one IPP job holding one raw
// document: startDoc creates the job, the first write starts the document and streams each byte
// string as it comes, endDoc ends the document as the job's last and reads the scheduler's
// verdict. CUPS has no pages, so the page calls only say whether the job is still going.
// A job whose document was not accepted is cancelled at close, through unfinishedJobs, which
// must outlive the printer.
class CupsPrinter : public Printer {
 public:
  CupsPrinter(std::unique_ptr<CupsConnection> connection, std::string name,
              UnfinishedJobs& unfinishedJobs);
  ~CupsPrinter() override;

  int queuedJobs() override;
  bool startDoc(const std::string& documentName) override;
  bool startPage() override { return going(); }
  bool write(const ByteString& bytes) override;
  bool endPage() override { return going(); }
  bool endDoc() override;
  void close() override;
  std::string lastError() const override { return lastError_; }
  int jobId() const override { return jobId_; }

 private:
  enum class Document { NotStarted, Streaming, Accepted, Failed };

  bool reachable() const { return connection_ && !connection_->gaveUp(); }
  bool going() const { return jobId_ != 0 && document_ != Document::Failed; }
  // Records why the spooler did not take the document, in libcups's words or in reason.
  bool fail();
  bool fail(std::string reason);
  ipp_t* newRequest(ipp_op_t operation) const;
  bool startDocument();

  std::unique_ptr<CupsConnection> connection_;
  std::string name_;
  std::string uri_;
  std::string resource_;
  UnfinishedJobs& unfinishedJobs_;
  // 0 while no job was created.
  int jobId_ = 0;
  Document document_ = Document::NotStarted;
  std::string lastError_;
};

}  // namespace platform::cups
