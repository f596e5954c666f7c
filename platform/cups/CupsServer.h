#pragma once

#include <string>

namespace platform::cups {

// Points libcups at another scheduler for the rest of the process, as CUPS_SERVER would:
// HOST, HOST:PORT or the path of a local socket. Queues opened afterwards are on that scheduler.
void useServer(const std::string& server);

}  // namespace platform::cups
