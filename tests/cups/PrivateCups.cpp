// SPDX-License-Identifier: Apache-2.0
#include "PrivateCups.h"

#include "fakes/Bytes.h"
#include "platform/SystemSpooler.h"

#include <cups/cups.h>
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

// Generous: the machine may be slow and busy.
constexpr std::chrono::seconds kPrintDeadline{60};

void run(const std::string& command) {
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

std::string script(const std::string& arguments) {
  return std::string(MRL770_PRIVATE_CUPS) + " " + arguments;
}

// Takes over the variables the script prints, one NAME=VALUE a line.
void useEnvironment(const std::string& dir) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(script("env " + dir).c_str(), "r"), &pclose);
  if (!pipe) throw std::runtime_error("cannot run private-cups env");
  char line[4096];
  while (std::fgets(line, sizeof line, pipe.get())) {
    std::string assignment(line);
    if (!assignment.empty() && assignment.back() == '\n') assignment.pop_back();
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) continue;
    setenv(assignment.substr(0, equals).c_str(), assignment.substr(equals + 1).c_str(), 1);
  }
  unsetenv("PRINTER");
  unsetenv("LPDEST");
  // The jobs the spooler leaves unfinished are kept there, apart from the user's.
  const std::string runtime = dir + "/run";
  std::filesystem::create_directories(runtime);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  // The program's spooler may have been pointed at a server of an earlier test.
  platform::useSpoolerServer("");
}

}  // namespace

PrivateCups::PrivateCups() {
  char folder[] = "/tmp/mrl770-cups-XXXXXX";
  if (!mkdtemp(folder)) throw std::runtime_error("cannot make a temporary folder");
  dir_ = folder;
  try {
    start();
  } catch (...) {
    stop();
    std::filesystem::remove_all(dir_);
    throw;
  }
}

PrivateCups::~PrivateCups() {
  try {
    stop();
  } catch (const std::exception& error) {
    ADD_FAILURE() << error.what();
  }
  if (keepFolder_) {
    std::printf("private scheduler's folder kept: %s\n", dir_.c_str());
  } else {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
}

void PrivateCups::addQueue(const std::string& name, const std::string& description) {
  run(script("queue " + dir_ + " " + name + (description.empty() ? "" : " '" + description + "'")));
}

void PrivateCups::removeQueue(const std::string& name) {
  run("lpadmin -h " + socket() + " -x " + name);
}

void PrivateCups::holdJob(const std::string& queue, const std::string& jobName) {
  run("printf x | lp -h " + socket() + " -d " + queue + " -H hold -t '" + jobName + "' >/dev/null");
}

void PrivateCups::stopQueueWithJob(const std::string& queue, const std::string& jobName) {
  run("cupsdisable -h " + socket() + " " + queue);
  run("printf x | lp -h " + socket() + " -d " + queue + " -t '" + jobName + "' >/dev/null");
}

void PrivateCups::tool(const std::string& program, const std::string& arguments) {
  run(program + " -h " + socket() + " " + arguments + " >/dev/null");
}

void PrivateCups::cancelAll() {
  run("cancel -h " + socket() + " -a -x");
}

namespace {

// The jobs of the queue, or of every queue for none; the caller frees them.
int getJobs(const std::string& socket, cups_job_t** list, const char* queue, int which) {
  http_t* http = httpConnect2(socket.c_str(), ippPort(), nullptr, AF_UNSPEC,
                              HTTP_ENCRYPTION_IF_REQUESTED, 1, 5000, nullptr);
  if (!http) throw std::runtime_error("cannot reach the private scheduler");
  const int count = cupsGetJobs2(http, list, queue, 0, which);
  httpClose(http);
  if (count < 0) throw std::runtime_error(std::string("no jobs: ") + cupsLastErrorString());
  return count;
}

}  // namespace

int PrivateCups::notCompletedJobs(const std::string& queue) const {
  cups_job_t* list = nullptr;
  const int count = getJobs(socket(), &list, queue.c_str(), CUPS_WHICHJOBS_ACTIVE);
  cupsFreeJobs(count, list);
  return count;
}

namespace {

bool activeJob(const std::string& socket, int jobId) {
  cups_job_t* list = nullptr;
  const int count = getJobs(socket, &list, nullptr, CUPS_WHICHJOBS_ACTIVE);
  bool found = false;
  for (int i = 0; i < count; ++i) found = found || list[i].id == jobId;
  cupsFreeJobs(count, list);
  return found;
}

}  // namespace

std::vector<PrivateCups::Job> PrivateCups::jobs() const {
  cups_job_t* list = nullptr;
  const int count = getJobs(socket(), &list, nullptr, CUPS_WHICHJOBS_ALL);
  std::vector<Job> result;
  for (int i = 0; i < count; ++i) result.push_back({list[i].id, list[i].title});
  cupsFreeJobs(count, list);
  std::sort(result.begin(), result.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
  return result;
}

std::string PrivateCups::printed(int jobId) const {
  // The backend renames the file into place once it holds every byte.
  const std::filesystem::path file = dir_ + "/out/job-" + std::to_string(jobId) + ".bin";
  const auto deadline = std::chrono::steady_clock::now() + kPrintDeadline;
  while (!std::filesystem::exists(file)) {
    if (std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error("job " + std::to_string(jobId) + " never reached the printer");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  // The scheduler marks the job completed a moment after the printer has its bytes; until
  // then the queue still counts it.
  while (activeJob(socket(), jobId)) {
    if (std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error("job " + std::to_string(jobId) + " was printed but never completed");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> PrivateCups::everythingPrinted() const {
  std::vector<std::pair<int, std::string>> found;
  for (const auto& entry : std::filesystem::directory_iterator(dir_ + "/out")) {
    const std::string file = entry.path().filename();
    const bool whole = entry.path().extension() == ".bin";
    if (file.rfind("job-", 0) != 0 || (!whole && entry.path().extension() != ".part")) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const int id = std::stoi(file.substr(4));
    found.emplace_back(id, std::to_string(id) + (whole ? ": " : " partial: ") + hex(bytes));
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> result;
  for (const auto& [id, line] : found) result.push_back(line);
  return result;
}

int PrivateCups::pid() const {
  std::ifstream in(dir_ + "/cupsd.pid");
  int pid = 0;
  if (!(in >> pid) || pid <= 0) throw std::runtime_error("no scheduler PID in " + dir_);
  return pid;
}

void PrivateCups::freeze() {
  ::kill(pid(), SIGSTOP);
}

void PrivateCups::thaw() {
  ::kill(pid(), SIGCONT);
}

void PrivateCups::start() {
  running_ = true;
  run(script("start " + dir_));
  useEnvironment(dir_);
}

void PrivateCups::kill() {
  const int scheduler = pid();
  ::kill(scheduler, SIGKILL);
  // Gone once its process has no entry, or is a zombie waiting for init.
  const std::string stat = "/proc/" + std::to_string(scheduler) + "/stat";
  while (true) {
    std::ifstream in(stat);
    std::string id, name, state;
    if (!(in >> id >> name >> state) || state == "Z") break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  running_ = false;
}

void PrivateCups::stop() {
  if (!running_) return;
  running_ = false;
  run(script("stop " + dir_));
}

void PrivateCupsTest::SetUp() {
  cups_.emplace();
}

void PrivateCupsTest::TearDown() {
  if (cups_ && HasFailure()) cups_->keepFolder();
  cups_.reset();
}
