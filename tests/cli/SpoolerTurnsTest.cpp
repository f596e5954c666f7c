// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "cli/SpoolerTurns.h"
#include "platform/Sleeper.h"

namespace {

using namespace std::chrono_literals;

// Sleeps until the other thread has been through, or 5 s at most.
class WaitingSleeper : public platform::Sleeper {
 public:
  explicit WaitingSleeper(std::shared_future<void> other) : other_(std::move(other)) {}
  void sleepMs(int) override {
    otherWentThrough = other_.wait_for(5s) == std::future_status::ready;
  }
  bool otherWentThrough = false;

 private:
  std::shared_future<void> other_;
};

TEST(SpoolerTurnsTest, ASleepingThreadLetsAnotherTalkAndNoMoreTalkAtOnceThanAllowed) {
  cli::SpoolerTurns one(1);
  std::promise<void> holding, through;
  WaitingSleeper sleeper(through.get_future().share());
  std::thread first([&] {
    cli::SpoolerTurn turn(one, sleeper);
    holding.set_value();
    turn.sleepMs(2500);
  });
  holding.get_future().wait();
  std::thread second([&] {
    cli::SpoolerTurn turn(one, sleeper);
    through.set_value();
  });
  first.join();
  second.join();
  EXPECT_TRUE(sleeper.otherWentThrough);

  cli::SpoolerTurns three(3);
  std::atomic<int> talking{0}, most{0};
  std::vector<std::thread> threads;
  for (int i = 0; i < 12; ++i) {
    threads.emplace_back([&] {
      cli::SpoolerTurn turn(three, sleeper);
      const int now = ++talking;
      int seen = most;
      while (now > seen && !most.compare_exchange_weak(seen, now)) {
      }
      std::this_thread::sleep_for(2ms);
      --talking;
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_LE(most.load(), 3);
}

}  // namespace
