// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Spooler.h"

// A spooler that records every call in order ("defaultPrinter", "open NAME", "queuedJobs",
// "startDoc NAME", "startPage", "write", "endPage", "endDoc", "close", "jobStatus QUEUE ID",
// "queues") and
// can fail any step,
// by refusing it or by throwing.
class FakeSpooler : public platform::Spooler {
 public:
  platform::DefaultPrinter defaultPrinterResult{platform::DefaultPrinter::Status::Found, "MRL 770"};
  bool openFails = false;
  // Why a failed open failed, as the spooler says it.
  std::string openError;
  int jobsInQueue = 0;
  // The number each document is given; 0 for none.
  int jobId = 0;
  // The call, by the first word of its record, that throws instead of doing its work.
  std::string throwAt;
  // The document step, by the first word of its record, that the spooler does not take; its
  // reason is then "refused at " and that word.
  std::string refuseAt;
  // What jobStatus answers, one after another, the last one again once they run out; Unknown
  // when there are none.
  std::vector<platform::JobStatus> jobStates;
  // What queues() lists.
  std::vector<platform::QueueInfo> queueList;
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
  std::string lastError() const override { return openError; }
  platform::JobStatus jobStatus(const std::string& queue, int id) override {
    record("jobStatus " + queue + " " + std::to_string(id));
    if (jobStates.empty()) return {platform::JobState::Unknown, ""};
    const platform::JobStatus status = jobStates.front();
    if (jobStates.size() > 1) jobStates.erase(jobStates.begin());
    return status;
  }

  std::vector<platform::QueueInfo> queues() override {
    record("queues");
    return queueList;
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
    bool startDoc(const std::string& name) override { return step("startDoc " + name); }
    bool startPage() override { return step("startPage"); }
    bool write(const platform::ByteString& bytes) override {
      spooler_.record("write");
      spooler_.written.push_back(bytes);
      return accepted("write");
    }
    bool endPage() override { return step("endPage"); }
    bool endDoc() override { return step("endDoc"); }
    std::string lastError() const override { return lastError_; }
    int jobId() const override { return spooler_.jobId; }
    void close() override {
      open_ = false;
      ++spooler_.closed_;
      spooler_.calls.push_back("close");
    }

   private:
    bool step(const std::string& call) {
      spooler_.record(call);
      return accepted(call);
    }
    bool accepted(const std::string& call) {
      if (spooler_.refuseAt.empty() || call.rfind(spooler_.refuseAt, 0) != 0) return true;
      lastError_ = "refused at " + spooler_.refuseAt;
      return false;
    }

    FakeSpooler& spooler_;
    bool open_ = true;
    std::string lastError_;
  };

  void record(const std::string& call) {
    calls.push_back(call);
    if (duringCall) duringCall(call);
    if (!throwAt.empty() && call.rfind(throwAt, 0) == 0) throw std::runtime_error("spooler failed");
  }

  int opened_ = 0;
  int closed_ = 0;
};
