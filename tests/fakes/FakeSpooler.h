#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Spooler.h"

// A spooler that records every call in order ("defaultPrinter", "open NAME", "queuedJobs",
// "startDoc NAME", "startPage", "write", "endPage", "endDoc", "close") and can fail any step.
class FakeSpooler : public platform::Spooler {
 public:
  platform::DefaultPrinter defaultPrinterResult{platform::DefaultPrinter::Status::Found, "MRL 770"};
  bool openFails = false;
  int jobsInQueue = 0;
  // The call, by the first word of its record, that throws instead of doing its work.
  std::string throwAt;
  // Runs at every recorded call, to look at the caller while the spooler works.
  std::function<void(const std::string& call)> duringCall;

  std::vector<std::string> calls;
  std::vector<platform::ByteString> written;

  platform::DefaultPrinter defaultPrinter() override {
    record("defaultPrinter");
    return defaultPrinterResult;
  }

  std::unique_ptr<platform::Printer> open(const std::string& name) override {
    record("open " + name);
    if (openFails) return nullptr;
    return std::make_unique<FakePrinter>(*this);
  }

  // True when every open was matched by exactly one close.
  bool allClosed() const { return opened_ == closed_; }

 private:
  class FakePrinter : public platform::Printer {
   public:
    explicit FakePrinter(FakeSpooler& spooler) : spooler_(spooler) { ++spooler_.opened_; }
    ~FakePrinter() override {
      if (open_) close();
    }
    int queuedJobs() override {
      spooler_.record("queuedJobs");
      return spooler_.jobsInQueue;
    }
    void startDoc(const std::string& name) override { spooler_.record("startDoc " + name); }
    void startPage() override { spooler_.record("startPage"); }
    void write(const platform::ByteString& bytes) override {
      spooler_.record("write");
      spooler_.written.push_back(bytes);
    }
    void endPage() override { spooler_.record("endPage"); }
    void endDoc() override { spooler_.record("endDoc"); }
    void close() override {
      open_ = false;
      ++spooler_.closed_;
      spooler_.calls.push_back("close");
    }

   private:
    FakeSpooler& spooler_;
    bool open_ = true;
  };

  void record(const std::string& call) {
    calls.push_back(call);
    if (duringCall) duringCall(call);
    if (!throwAt.empty() && call.rfind(throwAt, 0) == 0) throw std::runtime_error("spooler failed");
  }

  int opened_ = 0;
  int closed_ = 0;
};
