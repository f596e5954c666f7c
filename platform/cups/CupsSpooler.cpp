#include "platform/cups/CupsSpooler.h"

#include "platform/cups/CupsConnection.h"
#include "platform/cups/CupsPrinter.h"

namespace platform::cups {

namespace {

using Dest = std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)>;

void freeDest(cups_dest_t* dest) {
  cupsFreeDests(1, dest);
}

// The destination by name, or the default one for a null name.
Dest namedDest(const CupsConnection& connection, const char* name) {
  return Dest(cupsGetNamedDest(connection.http(), name, nullptr), &freeDest);
}

// Whether the scheduler took part in the last call on the connection.
bool answered(const CupsConnection& connection) {
  return !connection.gaveUp() && httpError(connection.http()) == 0;
}

}  // namespace

DefaultPrinter CupsSpooler::defaultPrinter() {
  // libcups says "No default destination." alike when there is none and when the scheduler
  // cannot be asked; only the connection tells the two apart.
  const auto connection = CupsConnection::open();
  if (!connection) return {DefaultPrinter::Status::Unreachable, ""};
  const Dest dest = namedDest(*connection, nullptr);
  if (!dest) {
    return {answered(*connection) ? DefaultPrinter::Status::NoPrinter
                                  : DefaultPrinter::Status::Unreachable,
            ""};
  }
  // A default taken from lpoptions may name an instance ("queue/instance"); the queue is
  // what is opened.
  const std::string name = dest->name;
  return {DefaultPrinter::Status::Found, name.substr(0, name.find('/'))};
}

std::unique_ptr<Printer> CupsSpooler::open(const std::string& name) {
  auto connection = CupsConnection::open();
  if (!connection || !namedDest(*connection, name.c_str())) return nullptr;
  return std::make_unique<CupsPrinter>(std::move(connection), name);
}

}  // namespace platform::cups
