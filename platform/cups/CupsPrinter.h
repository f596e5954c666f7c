#pragma once

#include <memory>
#include <string>

#include "platform/Spooler.h"
#include "platform/cups/CupsConnection.h"

namespace platform::cups {

// A CUPS queue opened on a connection of its own. The document is one IPP job holding one raw
// document: startDoc creates the job, the first write starts the document and streams each byte
// string as it comes, endDoc ends the document as the job's last. CUPS has no pages, so the page
// calls do nothing.
class CupsPrinter : public Printer {
 public:
  CupsPrinter(std::unique_ptr<CupsConnection> connection, std::string name);
  ~CupsPrinter() override;

  int queuedJobs() override;
  void startDoc(const std::string& documentName) override;
  void startPage() override {}
  void write(const ByteString& bytes) override;
  void endPage() override {}
  void endDoc() override;
  void close() override;

 private:
  enum class Document { NotStarted, Streaming, Ended };

  bool reachable() const { return connection_ && !connection_->gaveUp(); }
  ipp_t* newRequest(ipp_op_t operation) const;
  void startDocument();

  std::unique_ptr<CupsConnection> connection_;
  std::string name_;
  std::string uri_;
  std::string resource_;
  // 0 while no job was created; every document call then does nothing.
  int jobId_ = 0;
  Document document_ = Document::NotStarted;
};

}  // namespace platform::cups
