// The accelerated key repeat: which messages are handled, which dropped, and
// the timer intervals as a key is held.

#include "input/key_repeat.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelp::test {
namespace {

class FakeTimer : public TOneShotTimer {
 public:
  void Start(int ms) override {
    running = true;
    starts.push_back(ms);
  }
  void Cancel() override { running = false; }
  bool running = false;
  std::vector<int> starts;
};

class Window : public TKeyReceiver {
 public:
  explicit Window(TKeyRepeat& r) : repeat(r) {}
  void HandleKeyDown(const TKeyMessage& m) override { handled.push_back(m); }
  void SendKeyDown(const TKeyMessage& m) override { repeat.KeyDown(m, *this); }
  TKeyRepeat& repeat;
  std::vector<TKeyMessage> handled;
};

constexpr TKeyMessage kFirst{40, 0};     // the press
constexpr TKeyMessage kRepeated{40, 1};  // the system's auto-repeats
constexpr TKeyMessage kShifted{40, 0x11};

class KeyRepeatTest : public ::testing::Test {
 protected:
  void SetUp() override { repeat.SetEnabled(true); }
  // The timer expires, as the view's timer would.
  void Fire() {
    ASSERT_TRUE(timer.running);
    timer.running = false;
    repeat.TimerFired();
  }
  FakeTimer timer;
  TKeyRepeat repeat{timer};
  Window view{repeat};
};

TEST_F(KeyRepeatTest, TimedRepeatsStartAtTheSecondSystemRepeatAndSpeedUp) {
  repeat.KeyDown(kFirst, view);
  repeat.KeyDown(kRepeated, view);  // the first repeat differs from the press
  EXPECT_TRUE(timer.starts.empty());
  repeat.KeyDown(kRepeated, view);
  ASSERT_EQ(timer.starts.size(), 1u);
  EXPECT_EQ(view.handled.size(), 3u);
  // System repeats while a timed one is pending are dropped.
  repeat.KeyDown(kRepeated, view);
  repeat.KeyDown(kRepeated, view);
  EXPECT_EQ(view.handled.size(), 3u);

  for (int i = 0; i < 60; ++i) Fire();
  EXPECT_EQ(view.handled.size(), 63u);
  for (const TKeyMessage& m : std::vector(view.handled.begin() + 1, view.handled.end())) {
    EXPECT_EQ(m, kRepeated);
  }
  // Ten repeats every 20 ms, twenty every 10 ms, then every millisecond.
  std::vector<int> want(10, 20);
  want.insert(want.end(), 20, 10);
  want.insert(want.end(), 31, 1);
  EXPECT_EQ(timer.starts, want);
  // The counter settles at the top and the pace stays.
  for (int i = 0; i < 100; ++i) Fire();
  EXPECT_LE(repeat.Counter(), 101);
  EXPECT_EQ(timer.starts.back(), 1);
  EXPECT_EQ(view.handled.size(), 163u);
}

TEST_F(KeyRepeatTest, ReleaseStopsAtOnceAndForgetsTheKey) {
  repeat.KeyDown(kFirst, view);
  repeat.KeyDown(kRepeated, view);
  repeat.KeyDown(kRepeated, view);
  ASSERT_TRUE(timer.running);
  repeat.KeyUp();
  EXPECT_FALSE(timer.running);
  repeat.TimerFired();  // a late expiry sends nothing
  EXPECT_EQ(view.handled.size(), 3u);
  EXPECT_EQ(repeat.Counter(), 0);
  // The same message again counts as a new key: handled, no timer.
  const size_t starts = timer.starts.size();
  repeat.KeyDown(kRepeated, view);
  EXPECT_EQ(view.handled.size(), 4u);
  EXPECT_EQ(timer.starts.size(), starts);
}

TEST_F(KeyRepeatTest, FocusGainKeepsTheKeyAndFocusLossForgetsIt) {
  repeat.KeyDown(kRepeated, view);
  repeat.FocusIn();
  repeat.KeyDown(kRepeated, view);  // still the remembered key: timed repeats begin
  EXPECT_EQ(timer.starts.size(), 1u);
  repeat.FocusOut();
  EXPECT_FALSE(timer.running);
  repeat.KeyDown(kRepeated, view);
  EXPECT_EQ(timer.starts.size(), 1u);
  EXPECT_EQ(view.handled.size(), 3u);
}

TEST_F(KeyRepeatTest, AnotherStateOrWindowStartsAfresh) {
  Window other{repeat};
  repeat.KeyDown(kRepeated, view);
  repeat.KeyDown(kRepeated, view);
  ASSERT_TRUE(timer.running);
  repeat.KeyDown(kShifted, view);  // Shift went down: a new message
  EXPECT_EQ(repeat.Counter(), 0);
  EXPECT_EQ(view.handled.size(), 3u);
  repeat.KeyDown(kShifted, view);
  repeat.KeyDown(kShifted, other);  // pending: dropped, but the window is remembered
  repeat.KeyUp();
  repeat.KeyDown(kFirst, other);
  repeat.KeyDown(kFirst, other);
  Fire();
  EXPECT_EQ(other.handled.size(), 3u);
  // A window that goes away is sent nothing.
  repeat.Forget(other);
  repeat.TimerFired();
  EXPECT_EQ(other.handled.size(), 3u);
}

TEST_F(KeyRepeatTest, SwitchedOffEveryMessageIsHandledAndNoTimerRuns) {
  repeat.SetEnabled(false);
  for (int i = 0; i < 5; ++i) repeat.KeyDown(kRepeated, view);
  EXPECT_EQ(view.handled.size(), 5u);
  EXPECT_TRUE(timer.starts.empty());
}

}  // namespace
}  // namespace kelp::test
