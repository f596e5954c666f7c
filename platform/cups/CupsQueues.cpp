// SPDX-License-Identifier: Apache-2.0
#include <cstring>
#include <iterator>

#include "platform/cups/CupsConnection.h"
#include "platform/cups/CupsSpooler.h"

namespace platform::cups {

namespace {

// The queues of a CUPS-Get-Printers answer: one printer group each, its attributes in any order.
std::vector<QueueInfo> queuesIn(ipp_t* response) {
  std::vector<QueueInfo> queues;
  QueueInfo queue;
  auto endQueue = [&] {
    if (!queue.name.empty()) queues.push_back(queue);
    queue = {};
  };
  for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute;
       attribute = ippNextAttribute(response)) {
    const char* name = ippGetName(attribute);
    // A nameless attribute separates two printers' groups.
    if (!name || ippGetGroupTag(attribute) != IPP_TAG_PRINTER) {
      endQueue();
      continue;
    }
    const char* text = ippGetString(attribute, 0, nullptr);
    if (!text) continue;
    if (std::strcmp(name, "printer-name") == 0) queue.name = text;
    if (std::strcmp(name, "printer-make-and-model") == 0) queue.makeAndModel = text;
    if (std::strcmp(name, "printer-info") == 0) queue.info = text;
  }
  endQueue();
  return queues;
}

}  // namespace

std::vector<QueueInfo> CupsSpooler::queues() {
  const auto connection = CupsConnection::open();
  if (!connection) return {};
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
  static const char* const kWanted[] = {"printer-name", "printer-make-and-model", "printer-info"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(std::size(kWanted)), nullptr, kWanted);
  ipp_t* response = connection->request(request, "/");
  const bool answered = response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING;
  std::vector<QueueInfo> queues = answered ? queuesIn(response) : std::vector<QueueInfo>{};
  ippDelete(response);
  return queues;
}

}  // namespace platform::cups
