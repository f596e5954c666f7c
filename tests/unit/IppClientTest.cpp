// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/SystemSpooler.h"
#include "platform/cups/ClientConfig.h"
#include "platform/cups/IppMessage.h"

using platform::cups::IppMessage;
using platform::cups::IppTag;

namespace {

std::string counted(const std::string& text) {
  return std::string{static_cast<char>(text.size() >> 8), static_cast<char>(text.size() & 0xFF)} +
         text;
}

std::string attribute(IppTag tag, const std::string& name, const std::string& value) {
  return static_cast<char>(tag) + counted(name) + counted(value);
}

// A Get-Jobs answer as a scheduler writes it: a refusal's words with their language, then two
// jobs in groups of their own, the second with a set of two values.
const std::string kAnswer =
    std::string("\x02\x00\x04\x06\x00\x00\x00\x07", 8) + '\x01' +
    attribute(IppTag::Charset, "attributes-charset", "utf-8") +
    attribute(IppTag::TextWithLanguage, "status-message", counted("en") + counted("Gone.")) +
    '\x02' + attribute(IppTag::Integer, "job-id", std::string("\0\0\0\x2A", 4)) + '\x02' +
    attribute(IppTag::Integer, "job-id", std::string("\0\0\0\x2B", 4)) +
    attribute(IppTag::Keyword, "job-state-reasons", "job-printing") +
    attribute(IppTag::Keyword, "", "job-stopped") + '\x03';

}  // namespace

// Every byte of an answer is read where it belongs, nothing of one cut short is believed, and a
// message goes back out as the same bytes.
TEST(IppMessage, ReadsAnswersWholeOrNotAtAll) {
  const auto message = IppMessage::decode(kAnswer);
  ASSERT_TRUE(message);
  EXPECT_EQ(0x0406, message->code);
  EXPECT_FALSE(message->succeeded());
  EXPECT_EQ("Gone.", message->statusText());
  ASSERT_EQ(3u, message->groups.size());
  EXPECT_EQ(42, message->groups[1].attributes[0].integer());
  EXPECT_EQ(43, message->groups[2].attributes[0].integer());
  EXPECT_EQ("job-stopped", message->groups[2].attributes[1].text(1));
  EXPECT_EQ(kAnswer, message->encode());
  for (std::size_t size = 0; size < kAnswer.size(); ++size) {
    EXPECT_FALSE(IppMessage::decode(kAnswer.substr(0, size))) << size;
  }
}

// The scheduler is found where CUPS's own clients find it: the server set for the process, then
// CUPS_SERVER, then the user's client.conf; a port only where one is written.
TEST(ClientConfig, FindsTheSchedulerAndItsPort) {
  const std::string oldHome = getenv("HOME") ? getenv("HOME") : "";
  const auto home =
      std::filesystem::temp_directory_path() / ("mrl770-client-config-" + std::to_string(getpid()));
  std::filesystem::create_directories(home / ".cups");
  std::ofstream(home / ".cups" / "client.conf") << "# the user's\nservername  print-host:8631\n";
  setenv("HOME", home.c_str(), 1);
  unsetenv("IPP_PORT");
  const struct {
    const char* server;
    std::string host;
    int port;
  } cases[] = {
      {"/run/x/cups.sock", "/run/x/cups.sock", 631},
      {"print-host", "print-host", 631},
      {"print-host:8631", "print-host", 8631},
      {"[::1]:632", "::1", 632},
      {"::1", "::1", 631},
      {"", "print-host", 8631},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.server);
    setenv("CUPS_SERVER", c.server, 1);
    const auto address = platform::cups::schedulerAddress();
    EXPECT_EQ(c.host, address.host);
    EXPECT_EQ(c.port, address.port);
  }
  platform::useSpoolerServer("/chosen.sock");
  EXPECT_EQ("/chosen.sock", platform::cups::schedulerAddress().host);
  platform::useSpoolerServer("");
  unsetenv("CUPS_SERVER");
  setenv("HOME", oldHome.c_str(), 1);
  std::filesystem::remove_all(home);
}
