// SPDX-License-Identifier: Apache-2.0
#include "printer-app/StatePaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

using printerapp::Environment;
using printerapp::statePaths;

TEST(StatePaths, FollowPapplsChoiceOfPlace) {
  char pattern[] = "/tmp/mrl770-paths-XXXXXX";
  ASSERT_NE(nullptr, mkdtemp(pattern));
  const std::string dir = pattern;
  const std::string home = dir + "/home";
  ASSERT_EQ(0, mkdir(home.c_str(), 0700));
  const std::string missing = dir + "/missing";
  const std::string name = "app";

  const struct {
    const char* what;
    Environment environment;
    std::string state;
    std::string spool;
  } cases[] = {
      {"a snap", {dir, dir, home, "/tmp", 1000}, dir + "/app.state", dir + "/app.d"},
      {"a snap without its folder",
       {missing, std::nullopt, home, dir, 1000},
       dir + "/app1000.state",
       missing + "/app.d"},
      {"root", {std::nullopt, dir, home, dir, 0}, "/var/lib/app.state", "/var/spool/app"},
      {"a user with XDG_CONFIG_HOME",
       {std::nullopt, dir, home, "/tmp", 1000},
       dir + "/app.state",
       home + "/.config/app.d"},
      {"a user with XDG_CONFIG_HOME missing",
       {std::nullopt, missing, std::nullopt, dir, 1000},
       dir + "/app1000.state",
       dir + "/app1000.d"},
      {"a user with a home only",
       {std::nullopt, std::nullopt, home, "/tmp", 1000},
       home + "/.config/app.state",
       home + "/.config/app.d"},
      {"no home",
       {std::nullopt, std::nullopt, std::nullopt, dir, 1000},
       dir + "/app1000.state",
       dir + "/app1000.d"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const printerapp::StatePaths paths = statePaths(name, c.environment);
    EXPECT_EQ(c.state, paths.stateFile);
    EXPECT_EQ(c.spool, paths.spoolDirectory);
    EXPECT_EQ(c.state.substr(0, c.state.size() - 6) + ".applied", paths.appliedFile);
  }
  std::system(("rm -rf " + dir).c_str());
}
