// SPDX-License-Identifier: Apache-2.0
// The floor of the in-process job benchmark: the same job as bench_settings_jobs, done with
// plain libcups calls in a process that links libcups. The same two requests on one connection:
// the default queue with its count of jobs, then Print-Job with the bytes of FILE.
//   bench_plain_cups_job FILE COUNT
// Each job after the first waits, untimed, until the last has left the queue. Prints each
// job's time from the start to the scheduler's acceptance.
#include <cups/cups.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

struct Queue {
  std::string name;
  int queuedJobs = 0;
};

Queue defaultQueue(http_t* http) {
  static const char* const kWanted[] = {"printer-name", "queued-job-count"};
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_DEFAULT);
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(std::size(kWanted)), nullptr, kWanted);
  ipp_t* response = cupsDoRequest(http, request, "/");
  Queue queue;
  if (const char* name =
          ippGetString(ippFindAttribute(response, "printer-name", IPP_TAG_NAME), 0, nullptr)) {
    queue.name = name;
  }
  queue.queuedJobs =
      ippGetInteger(ippFindAttribute(response, "queued-job-count", IPP_TAG_INTEGER), 0);
  ippDelete(response);
  return queue;
}

// True when the scheduler accepted the job. The length cupsSendRequest takes is the whole
// body's: the request and the document.
bool printJob(http_t* http, const std::string& queue, const std::string& bytes) {
  const std::string resource = "/printers/" + queue;
  const std::string uri = "ipp://localhost" + resource;
  ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
               "Permanent Settings Configuration");
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
               CUPS_FORMAT_RAW);
  if (cupsSendRequest(http, request, resource.c_str(), ippLength(request) + bytes.size()) !=
          HTTP_STATUS_CONTINUE ||
      cupsWriteRequestData(http, bytes.data(), bytes.size()) != HTTP_STATUS_CONTINUE) {
    ippDelete(request);
    return false;
  }
  ipp_t* response = cupsGetResponse(http, resource.c_str());
  const bool accepted = response && ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING;
  ippDelete(response);
  ippDelete(request);
  return accepted;
}

http_t* connect() {
  return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000,
                      nullptr);
}

void waitUntilQueueEmpty() {
  for (int attempt = 0; attempt < 2000; ++attempt) {
    http_t* http = connect();
    const int queued = http ? defaultQueue(http).queuedJobs : 0;
    httpClose(http);
    if (queued == 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_plain_cups_job FILE COUNT\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  const long count = std::strtol(argv[2], nullptr, 10);
  int failures = 0;
  for (long job = 0; job < count; ++job) {
    if (job > 0) waitUntilQueueEmpty();
    const auto start = std::chrono::steady_clock::now();
    http_t* http = connect();
    const Queue queue = http ? defaultQueue(http) : Queue{};
    // Sent only to an idle queue, as the program's busy check does.
    const bool sent =
        !queue.name.empty() && queue.queuedJobs == 0 && printJob(http, queue.name, bytes);
    httpClose(http);
    const auto took = std::chrono::steady_clock::now() - start;
    if (!sent) {
      ++failures;
      std::fprintf(stderr, "bench_plain_cups_job: not sent: %s\n", cupsLastErrorString());
    }
    std::printf("job_us %lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
  }
  return failures == 0 ? 0 : 1;
}
