#pragma once
// Accelerated key repeat. After the system's second auto-repeat of a key the
// editor repeats the key itself from a one-shot timer: every 20 ms at first,
// every 10 ms from the tenth repeat and every millisecond from the thirtieth.
// System repeats that arrive while a timed repeat is pending are dropped.
// One state serves every view of the process; the view owns the timer.

#include <cstdint>

namespace kelp {

// A key-down message: the key and the data that tells its state (modifiers,
// whether it is an auto-repeat). Two messages are the same key in the same
// state when both are equal.
struct TKeyMessage {
  uint32_t Key = 0;
  uint32_t Data = 0;
  friend bool operator==(const TKeyMessage&, const TKeyMessage&) = default;
};

// The window a key-down message goes to.
class TKeyReceiver {
 public:
  virtual ~TKeyReceiver() = default;
  // Does what the key means.
  virtual void HandleKeyDown(const TKeyMessage& msg) = 0;
  // Delivers the message to the window synchronously, as if it had come from
  // the system; it comes back to TKeyRepeat::KeyDown.
  virtual void SendKeyDown(const TKeyMessage& msg) = 0;
};

// A one-shot millisecond timer; on expiry its owner calls TKeyRepeat::TimerFired.
class TOneShotTimer {
 public:
  virtual ~TOneShotTimer() = default;
  virtual void Start(int milliseconds) = 0;
  virtual void Cancel() = 0;
};

class TKeyRepeat {
 public:
  explicit TKeyRepeat(TOneShotTimer& timer) : FTimer(timer) {}

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);

  // A key-down message for `window`.
  void KeyDown(const TKeyMessage& msg, TKeyReceiver& window);
  void TimerFired();
  void KeyUp();
  void FocusIn();
  void FocusOut();
  // The window goes away: nothing is sent to it any more.
  void Forget(TKeyReceiver& window);

  int Counter() const { return FCounter; }

 private:
  void Stop(bool forgetKey);

  TOneShotTimer& FTimer;
  bool FEnabled = false;
  bool FHaveKey = false;
  TKeyMessage FLast;
  int FCounter = 0;
  TKeyReceiver* FWindow = nullptr;
};

}  // namespace kelp
