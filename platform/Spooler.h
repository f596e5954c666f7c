#pragma once

#include <memory>
#include <string>

namespace platform {

// Bytes for the printer, NUL bytes included.
using ByteString = std::string;

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

// An open printer. Every call after the open is fire-and-forget, as for the Windows spooler:
// callers do not examine results. Destroying a printer that is still open closes it.
class Printer {
 public:
  virtual ~Printer() = default;

  // Jobs of any kind or state waiting in the printer's queue; 0 when the spooler gives no count.
  virtual int queuedJobs() = 0;
  // Starts a document with only a name: no output file, no data type.
  virtual void startDoc(const std::string& documentName) = 0;
  virtual void startPage() = 0;
  virtual void write(const ByteString& bytes) = 0;
  virtual void endPage() = 0;
  virtual void endDoc() = 0;
  virtual void close() = 0;
};

// The operating system's print spooler.
class Spooler {
 public:
  virtual ~Spooler() = default;

  virtual DefaultPrinter defaultPrinter() = 0;
  // Opens a printer by name with no defaults; null when it cannot be opened.
  virtual std::unique_ptr<Printer> open(const std::string& name) = 0;
};

}  // namespace platform
