#pragma once
// The process's accelerated key repeat, on a Qt timer. Every editor view
// hands its key-down events to the one TKeyRepeat; the timer runs on the GUI
// thread, so the repeats it sends are handled there too.

#include <QTimer>

#include "input/key_repeat.h"

namespace kelp {

class TQtOneShotTimer final : public TOneShotTimer {
 public:
  TQtOneShotTimer();
  void Start(int milliseconds) override;
  void Cancel() override;
  bool Active() const { return FTimer.isActive(); }
  int Interval() const { return FTimer.interval(); }

 private:
  QTimer FTimer;
};

// The key-repeat state shared by every view, and its timer.
TKeyRepeat& ProcessKeyRepeat();
const TQtOneShotTimer& ProcessKeyRepeatTimer();

}  // namespace kelp
