// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/CupsConnection.h"
#include "platform/cups/CupsSpooler.h"

namespace platform::cups {

namespace {

// The queues of a CUPS-Get-Printers answer: one printer group each, its attributes in any order.
std::vector<QueueInfo> queuesIn(const IppMessage& response) {
  std::vector<QueueInfo> queues;
  for (const IppGroup& group : response.groups) {
    if (group.tag != IppTag::Printer) continue;
    QueueInfo queue;
    for (const IppAttribute& attribute : group.attributes) {
      if (attribute.name == "printer-name") queue.name = attribute.text();
      if (attribute.name == "printer-make-and-model") queue.makeAndModel = attribute.text();
      if (attribute.name == "printer-info") queue.info = attribute.text();
    }
    if (!queue.name.empty()) queues.push_back(queue);
  }
  return queues;
}

}  // namespace

std::vector<QueueInfo> CupsSpooler::queues() {
  const auto connection = CupsConnection::open();
  if (!connection) return {};
  IppMessage request = IppMessage::request(IppOperation::CupsGetPrinters);
  request.add(IppTag::Operation, IppTag::Keyword, "requested-attributes",
              {"printer-name", "printer-make-and-model", "printer-info"});
  const auto response = connection->request(request, "/");
  const bool answered = response && response->succeeded();
  std::vector<QueueInfo> queues = answered ? queuesIn(*response) : std::vector<QueueInfo>{};
  return queues;
}

}  // namespace platform::cups
