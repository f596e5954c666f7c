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

// Why there is no default: the scheduler has no destination at all, or has some but none of
// them is the default.
DefaultPrinter::Status withoutDefault(const CupsConnection& connection) {
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "limit", 1);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "printer-name");
  ippDelete(cupsDoRequest(connection.http(), request, "/"));
  if (!answered(connection)) return DefaultPrinter::Status::Unreachable;
  return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? DefaultPrinter::Status::NoPrinter
                                                       : DefaultPrinter::Status::NoDefault;
}

}  // namespace

DefaultPrinter CupsSpooler::defaultPrinter() {
  // libcups answers "No default destination." alike when the scheduler cannot be asked, when
  // it has no printer and when the default names a printer that is gone; connecting first and
  // asking for any printer tell them apart.
  const auto connection = CupsConnection::open();
  if (!connection) return {DefaultPrinter::Status::Unreachable, ""};
  const Dest dest = namedDest(*connection, nullptr);
  if (!dest) {
    return {
        answered(*connection) ? withoutDefault(*connection) : DefaultPrinter::Status::Unreachable,
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
