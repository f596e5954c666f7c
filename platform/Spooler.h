// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ByteString.h"

namespace platform {

struct DefaultPrinter {
  enum class Status {
    Found,        // name holds the default printer's name
    NoPrinter,    // the spooler answered and has no printer at all
    NoDefault,    // there are printers, but none is the default or the default names none of them
    Unreachable,  // the spooler could not be asked
  };
  Status status;
  std::string name;
};

// An open printer. Each document step says whether the spooler took it; after a step that
// failed, lastError() gives the spooler's own reason. A document that was started but not
// taken whole is removed from the queue when the printer is closed, so nothing half-sent
// prints. Destroying a printer that is still open closes it.
class Printer {
 public:
  virtual ~Printer() = default;

  // Jobs of any kind or state waiting in the printer's queue; 0 when the spooler gives no count.
  virtual int queuedJobs() = 0;
  // Starts a document with only a name: no output file, no data type.
  virtual bool startDoc(const std::string& documentName) = 0;
  virtual bool startPage() = 0;
  virtual bool write(const ByteString& bytes) = 0;
  virtual bool endPage() = 0;
  // True only when the spooler accepted the whole document.
  virtual bool endDoc() = 0;
  virtual void close() = 0;
  virtual std::string lastError() const = 0;
  // The spooler's number for the document once it was started, until the printer is closed;
  // 0 when the spooler gives none.
  virtual int jobId() const { return 0; }
};

// Where a job the spooler accepted stands.
enum class JobState {
  Unknown,  // the spooler cannot tell, or no longer knows the job
  Pending,
  Held,
  Processing,
  Stopped,
  Completed,
  Cancelled,
  Aborted,
};

struct JobStatus {
  JobState state;
  // The spooler's own words on the job, if it gives any.
  std::string message;
};

// A queue of the spooler, with the words that say which printer it serves.
struct QueueInfo {
  std::string name;
  // The driver's name for the printer ("printer-make-and-model" on CUPS); may be empty.
  std::string makeAndModel;
  // What the administrator wrote about the queue ("printer-info" on CUPS); may be empty.
  std::string info;
};

// The operating system's print spooler.
class Spooler {
 public:
  virtual ~Spooler() = default;

  virtual DefaultPrinter defaultPrinter() = 0;
  // Opens a printer by name with no defaults; null when it cannot be opened.
  virtual std::unique_ptr<Printer> open(const std::string& name) = 0;
  // Why the last open() gave null, in the spooler's own words; empty when it gives none.
  virtual std::string lastError() const { return ""; }
  // The state of a job the spooler gave a number; Unknown where it cannot tell.
  virtual JobStatus jobStatus(const std::string& /*queue*/, int /*jobId*/) {
    return {JobState::Unknown, ""};
  }
  // Every queue the spooler has, in its own order; empty when it has none, cannot be asked or
  // cannot list them.
  virtual std::vector<QueueInfo> queues() { return {}; }
};

}  // namespace platform
