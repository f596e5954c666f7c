// SPDX-License-Identifier: Apache-2.0
#include "platform/cups/UnfinishedJobs.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

namespace platform::cups {

namespace {

namespace fs = std::filesystem;

// The scheduler's clock may be a little off ours.
constexpr std::time_t kClockSlackSeconds = 60;

struct Record {
  std::time_t sent;
  std::string server;
  std::string queue;
  std::string jobName;
};

struct QueuedJob {
  int id = 0;
  std::string name;
  std::time_t created = 0;
};

fs::path recordsFile() {
  fs::path folder;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    folder = fs::path(runtime) / "mrl770";
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folder = fs::path(home) / ".cache" / "mrl770";
  } else {
    folder = fs::temp_directory_path() / ("mrl770-" + std::to_string(getuid()));
  }
  return folder / "unfinished-jobs";
}

std::string percentDecoded(const std::string& text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned value = 0;
    if (text[i] == '%' && i + 2 < text.size() &&
        std::sscanf(text.substr(i + 1, 2).c_str(), "%2x", &value) == 1) {
      decoded += static_cast<char>(value);
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

// One record a line: the time it was sent, then the server, the queue and the job's name,
// percent-encoded so that none holds a blank or a line break.
std::vector<Record> readRecords() {
  std::vector<Record> records;
  std::ifstream in(recordsFile());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Record record;
    if (fields >> record.sent >> record.server >> record.queue >> record.jobName) {
      records.push_back({record.sent, percentDecoded(record.server), percentDecoded(record.queue),
                         percentDecoded(record.jobName)});
    }
  }
  return records;
}

// Replaces the file at once, so that another process reads the old records or the new, never
// half of them.
void writeRecords(const std::vector<Record>& records) {
  const fs::path file = recordsFile();
  std::error_code ignored;
  if (records.empty()) {
    fs::remove(file, ignored);
    return;
  }
  if (fs::create_directories(file.parent_path(), ignored)) {
    fs::permissions(file.parent_path(), fs::perms::owner_all, ignored);
  }
  std::string text;
  for (const Record& r : records) {
    text += std::to_string(r.sent) + " " + percentEncoded(r.server) + " " +
            percentEncoded(r.queue) + " " + percentEncoded(r.jobName) + "\n";
  }
  std::string temporary = file.string() + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return;
  const bool written =
      write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && fsync(fd) == 0;
  close(fd);
  if (!written || std::rename(temporary.c_str(), file.c_str()) != 0) unlink(temporary.c_str());
}

// The user's jobs in the queue that are not finished; null when the scheduler did not answer.
std::optional<std::vector<QueuedJob>> unfinishedJobsOf(CupsConnection& connection,
                                                       const std::string& queue) {
  IppMessage request = newQueueRequest(IppOperation::GetJobs, queue);
  request.add(IppTag::Operation, IppTag::Keyword, "which-jobs", {"not-completed"});
  request.addBoolean(IppTag::Operation, "my-jobs", true);
  request.add(IppTag::Operation, IppTag::Keyword, "requested-attributes",
              {"job-id", "job-name", "time-at-creation"});
  const auto response = connection.request(request, "/");
  if (!response) return std::nullopt;
  // Each job's attributes come in a group of their own, in no set order.
  std::vector<QueuedJob> jobs;
  for (const IppGroup& group : response->groups) {
    if (group.tag != IppTag::Job) continue;
    QueuedJob job;
    for (const IppAttribute& attribute : group.attributes) {
      if (attribute.name == "job-id") job.id = attribute.integer();
      if (attribute.name == "job-name") job.name = attribute.text();
      if (attribute.name == "time-at-creation") job.created = attribute.integer();
    }
    if (job.id > 0) jobs.push_back(job);
  }
  return jobs;
}

bool cancel(CupsConnection& connection, const std::string& queue, int jobId) {
  IppMessage request = newQueueRequest(IppOperation::CancelJob, queue);
  request.addInteger(IppTag::Operation, IppTag::Integer, "job-id", jobId);
  // Any answer settles it: a job that is gone or already finished needs nothing more.
  return connection.request(request, "/jobs/").has_value();
}

}  // namespace

void rememberUnfinishedJob(const std::string& queue, const std::string& jobName) {
  std::vector<Record> records = readRecords();
  records.push_back({std::time(nullptr), CupsConnection::server(), queue, jobName});
  writeRecords(records);
}

bool cancelUnfinishedJobs(CupsConnection& connection, const std::string& queue) {
  std::vector<Record> records = readRecords();
  const std::string server = CupsConnection::server();
  const auto theQueues = std::stable_partition(
      records.begin(), records.end(),
      [&](const Record& r) { return r.server != server || r.queue != queue; });
  if (theQueues == records.end()) return false;
  const auto jobs = unfinishedJobsOf(connection, queue);
  if (!jobs) return false;
  bool cancelledAny = false;
  bool settled = true;
  for (const QueuedJob& job : *jobs) {
    const bool lost = std::any_of(theQueues, records.end(), [&](const Record& r) {
      return r.jobName == job.name && job.created + kClockSlackSeconds >= r.sent;
    });
    if (!lost) continue;
    if (cancel(connection, queue, job.id)) {
      cancelledAny = true;
    } else {
      settled = false;
    }
  }
  if (settled) {
    records.erase(theQueues, records.end());
    writeRecords(records);
  }
  return cancelledAny;
}

}  // namespace platform::cups
