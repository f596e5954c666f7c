#include "cli/WatchedSpooler.h"

#include <utility>

namespace cli {

namespace {

class WatchedPrinter : public platform::Printer {
 public:
  WatchedPrinter(std::unique_ptr<platform::Printer> printer, Delivery& delivery)
      : printer_(std::move(printer)), delivery_(delivery) {}

  int queuedJobs() override { return printer_->queuedJobs(); }
  bool startDoc(const std::string& documentName) override {
    return printer_->startDoc(documentName);
  }
  bool startPage() override { return printer_->startPage(); }
  bool write(const platform::ByteString& bytes) override { return printer_->write(bytes); }
  bool endPage() override { return printer_->endPage(); }
  bool endDoc() override {
    delivery_.accepted = printer_->endDoc();
    // Read now: closing forgets the number.
    delivery_.jobId = printer_->jobId();
    return delivery_.accepted;
  }
  void close() override { printer_->close(); }
  std::string lastError() const override { return printer_->lastError(); }
  int jobId() const override { return printer_->jobId(); }

 private:
  std::unique_ptr<platform::Printer> printer_;
  Delivery& delivery_;
};

}  // namespace

platform::DefaultPrinter WatchedSpooler::defaultPrinter() {
  if (queue_) return {platform::DefaultPrinter::Status::Found, *queue_};
  return spooler_.defaultPrinter();
}

std::unique_ptr<platform::Printer> WatchedSpooler::open(const std::string& name) {
  auto printer = spooler_.open(name);
  if (!printer) return nullptr;
  delivery_.queue = name;
  return std::make_unique<WatchedPrinter>(std::move(printer), delivery_);
}

}  // namespace cli
