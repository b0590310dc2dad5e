#include "input/key_repeat.h"

namespace kelp {

void TKeyRepeat::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  Stop(true);
}

void TKeyRepeat::KeyDown(const TKeyMessage& msg, TKeyReceiver& window) {
  if (!FEnabled) {
    window.HandleKeyDown(msg);
    return;
  }
  FWindow = &window;
  if (FHaveKey && msg == FLast) {
    if (FCounter % 2 != 0) return;  // a timed repeat is pending
    ++FCounter;
    window.HandleKeyDown(msg);
    // The window may have been told to forget its keys while handling this one.
    if (FWindow == nullptr || FCounter % 2 == 0) return;
    FTimer.Start(FCounter < 20 ? 20 : FCounter >= 60 ? 1 : 10);
    return;
  }
  FLast = msg;
  FHaveKey = true;
  FCounter = 0;
  window.HandleKeyDown(msg);
}

void TKeyRepeat::TimerFired() {
  if (!FEnabled || FWindow == nullptr || !FHaveKey || FCounter % 2 == 0) return;
  if (FCounter < 100) {
    ++FCounter;
  } else {
    --FCounter;
  }
  FWindow->SendKeyDown(FLast);
}

void TKeyRepeat::Stop(bool forgetKey) {
  FTimer.Cancel();
  FCounter = 0;
  if (forgetKey) FHaveKey = false;
}

void TKeyRepeat::KeyUp() { Stop(true); }
void TKeyRepeat::FocusIn() { Stop(false); }
void TKeyRepeat::FocusOut() { Stop(true); }

void TKeyRepeat::Forget(TKeyReceiver& window) {
  if (FWindow != &window) return;
  Stop(true);
  FWindow = nullptr;
}

}  // namespace kelp
