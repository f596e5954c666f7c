// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// A private CUPS scheduler in a fresh temporary folder, started by scripts/private-cups, with
// libcups in this process (and the CUPS tools the helpers run) pointed at it through
// CUPS_SERVER, CUPS_SERVERROOT and HOME; PRINTER and LPDEST are unset, and XDG_RUNTIME_DIR is a
// folder of the scheduler's. Stopped by its PID when
// destroyed. Helpers throw std::runtime_error when the scheduler does not do what they ask.
//
// libcups reads CUPS_SERVERROOT and HOME once per thread, so a second scheduler in the same
// process keeps the first one's lpoptions paths; choose a default with PRINTER instead.
class PrivateCups {
 public:
  struct Job {
    int id;
    std::string name;
  };

  PrivateCups();
  ~PrivateCups();
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  const std::string& dir() const { return dir_; }
  std::string socket() const { return dir_ + "/cups.sock"; }

  // A raw queue whose jobs land in dir()/out, made the scheduler's default; DESCRIPTION, if
  // given, is what its printer-info says.
  void addQueue(const std::string& name, const std::string& description = "");
  void removeQueue(const std::string& name);
  // Submits a one-byte job that stays held in the queue.
  void holdJob(const std::string& queue, const std::string& jobName);
  // Stops the queue, so that what is submitted stays in it; then submits a one-byte job.
  void stopQueueWithJob(const std::string& queue, const std::string& jobName);
  void cancelAll();
  // Runs a CUPS tool on this scheduler: PROGRAM -h SOCKET ARGUMENTS.
  void tool(const std::string& program, const std::string& arguments);
  // Every job the scheduler knows, finished ones included, oldest first.
  std::vector<Job> jobs() const;
  // How many jobs of the queue, of any user, Get-Jobs gives as not completed.
  int notCompletedJobs(const std::string& queue) const;
  // The bytes the printer received for a job, once the job has been printed.
  std::string printed(int jobId) const;
  // Everything the printer has received so far, by job, oldest first: "ID: HEX" for a whole
  // job, "ID partial: HEX" for one the printer got only part of.
  std::vector<std::string> everythingPrinted() const;

  // SIGSTOP: the scheduler keeps accepting connections and never answers.
  void freeze();
  void thaw();
  // SIGKILL, as if the scheduler crashed; returns once it has gone.
  void kill();
  void stop();
  // Starts the scheduler again in the same folder, with the queues and jobs it kept.
  void start();
  // Leaves the folder with its logs in place, for a test that failed.
  void keepFolder() { keepFolder_ = true; }

 private:
  int pid() const;

  std::string dir_;
  bool running_ = false;
  bool keepFolder_ = false;
};

// Gives each test a scheduler of its own, stopped even when the test fails.
class PrivateCupsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  PrivateCups& cups() { return *cups_; }

 private:
  std::optional<PrivateCups> cups_;
};
