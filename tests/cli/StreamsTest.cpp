// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "ProgramRun.h"
#include "fakes/Bytes.h"

namespace {

struct Started {
  std::vector<std::string> arguments;
  std::string input;
  Shell shell;
};

struct Case {
  const char* name;
  // The run, made in a fresh folder.
  std::function<Started(const std::string& dir)> run;
  int status;
  const char* errHas;
  const char* outHas;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A pseudo-terminal's far end, open while the test runs, for the program's stdout.
std::string terminal() {
  static const int master = [] {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) return -1;
    return fd;
  }();
  return master < 0 ? "" : ptsname(master);
}

// Writes a command into the pipe once the program opens it; gives up after ten seconds.
void writeWhenRead(const std::string& fifo) {
  std::thread([fifo] {
    for (int attempt = 0; attempt < 1000; ++attempt) {
      const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        const std::string command = kDefaultSettingsCommandHex;
        EXPECT_EQ(ssize_t(command.size()), write(fd, command.data(), command.size()));
        close(fd);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }).detach();
}

class Streams : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/mrl770-streams-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    dir_ = folder;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string dir_;
};

const char* const kOldPage = "the page written before";

}  // namespace

TEST_P(Streams, EndWithTheirStatusAndReason) {
  const Case& c = GetParam();
  const Started run = c.run(dir_);
  const ProgramRun result = runProgram(run.arguments, run.input, run.shell);
  EXPECT_EQ(c.status, result.status) << result.err;
  if (c.status != 0) {
    EXPECT_EQ(0u, result.err.find("mrl770-settings: ")) << result.err;
  }
  EXPECT_NE(std::string::npos, result.err.find(c.errHas)) << result.err;
  EXPECT_NE(std::string::npos, result.out.find(c.outHas)) << result.out;
  // A write that failed half-way leaves the old file whole and no temporary beside it.
  if (std::filesystem::exists(dir_ + "/page")) {
    EXPECT_EQ(kOldPage, contents(dir_ + "/page"));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir_), {}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Streams,
    ::testing::Values(
        Case{"FullDisk",
             [](const std::string&) {
               return Started{{"encode"}, "", {"", "", ">/dev/full"}};
             },
             5, "cannot write standard output: No space left on device", ""},
        Case{"ClosedStdout",
             [](const std::string&) {
               return Started{{"list"}, "", {"", "", ">&-"}};
             },
             5, "cannot write standard output: Bad file descriptor", ""},
        Case{"OutIsAFolder",
             [](const std::string& dir) {
               return Started{{"features", "--out", dir}, "", {}};
             },
             5, "\": Is a directory", ""},
        Case{"RawCommandToATerminal",
             [](const std::string&) {
               return Started{{"encode", "--raw"}, "", {"", "", ">" + terminal()}};
             },
             1, "raw bytes are not written to a terminal; redirect standard output", ""},
        Case{"PageToATerminal",
             [](const std::string&) {
               return Started{{"features", "--out", "-"}, "", {"", "", ">" + terminal()}};
             },
             1, "raw bytes are not written to a terminal", ""},
        // A printer's device is written as it is; a terminal named by its path is refused.
        Case{"PageToADevice",
             [](const std::string&) {
               return Started{{"features", "--out", "/dev/null"}, "", {}};
             },
             0, "", ""},
        Case{"PageToATerminalByName",
             [](const std::string&) {
               return Started{{"features", "--out", terminal()}, "", {}};
             },
             5, "\": a terminal; raw bytes are for a file", ""},
        Case{"DashIsStandardInput",
             [](const std::string&) {
               return Started{{"decode", "-"}, kDefaultSettingsCommandHex, {}};
             },
             0, "", "PrintingMode: Bi-Direction\n"},
        Case{"InputNotHex",
             [](const std::string&) {
               return Started{{"decode"}, "1B 19 01 zz", {}};
             },
             2, "not hex bytes at character 10: give each byte as two hex digits", ""}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HostileInput, Streams,
    ::testing::Values(Case{"FromAFolder",
                           [](const std::string& dir) {
                             return Started{{"apply", "--from", dir}, "", {}};
                           },
                           2, "\": Is a directory", ""},
                      Case{"FromProcessMemory",
                           [](const std::string&) {
                             return Started{{"apply", "--from", "/proc/self/mem"}, "", {}};
                           },
                           2, "cannot read \"/proc/self/mem\": Input/output error", ""},
                      Case{"FromADevice",
                           [](const std::string&) {
                             return Started{{"apply", "--from", "/dev/zero"}, "", {}};
                           },
                           2, "cannot read \"/dev/zero\": not a regular file or a pipe", ""},
                      Case{"EndlessStandardInput",
                           [](const std::string&) {
                             return Started{{"decode"}, "", {"", "</dev/zero", ""}};
                           },
                           2, "cannot read standard input: longer than 4096 bytes", ""},
                      Case{"GigabyteFile",
                           [](const std::string& dir) {
                             std::ofstream(dir + "/big");
                             EXPECT_EQ(0, truncate((dir + "/big").c_str(), 1L << 30));
                             return Started{{"apply", "--from", dir + "/big"}, "", {}};
                           },
                           2, "/big\": longer than 4096 bytes, so not a saved command", ""},
                      // Read and accepted: the program goes on to a scheduler that is not there.
                      Case{"FromAPipe",
                           [](const std::string& dir) {
                             EXPECT_EQ(0, mkfifo((dir + "/fifo").c_str(), 0600));
                             writeWhenRead(dir + "/fifo");
                             return Started{{"apply", "--from", dir + "/fifo", "-d", "Q", "-h",
                                             dir + "/none.sock"},
                                            "",
                                            {}};
                           },
                           4, "cannot open queue \"Q\" on server", ""},
                      Case{"PageCutShortByTheFileSizeLimit",
                           [](const std::string& dir) {
                             std::ofstream(dir + "/page") << kOldPage;
                             return Started{{"features", "--out", dir + "/page"},
                                            "",
                                            {"trap '' XFSZ; prlimit --fsize=500 ", "", ""}};
                           },
                           5, "/page\": File too large", ""}),
    [](const auto& row) { return std::string(row.param.name); });

// Only a command that prints loads the spooler's module, and none loads libcups; the loader's
// trace shows each library as it is loaded.
TEST(SpoolerModule, IsLoadedOnlyByACommandThatPrints) {
  const struct {
    std::vector<std::string> arguments;
    bool loadsModule;
  } runs[] = {
      {{"encode", "Pitch=12"}, false},
      {{"encode", "--batch"}, false},
      {{"decode", kDefaultSettingsCommandHex}, false},
      {{"list"}, false},
      {{"apply", "-h", "/nonexistent/cups.sock"}, true},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.arguments.front());
    const ProgramRun result = runProgram(run.arguments, "", {"LD_DEBUG=libs ", "", ""});
    ASSERT_NE(std::string::npos, result.err.find("libc.so")) << result.err;
    EXPECT_EQ(run.loadsModule, result.err.find("mrl770-cups-spooler") != std::string::npos);
    EXPECT_EQ(std::string::npos, result.err.find("libcups"));
  }
}
