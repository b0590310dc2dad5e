#include "app/view/key_repeat_timer.h"

namespace kelp {

namespace {

struct TProcessRepeat {
  TQtOneShotTimer Timer;
  TKeyRepeat Repeat{Timer};
};

TProcessRepeat& Process() {
  static TProcessRepeat* p = new TProcessRepeat;  // lives as long as the event loop may fire it
  return *p;
}

}  // namespace

TQtOneShotTimer::TQtOneShotTimer() {
  FTimer.setSingleShot(true);
  FTimer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&FTimer, &QTimer::timeout, [] { ProcessKeyRepeat().TimerFired(); });
}

void TQtOneShotTimer::Start(int milliseconds) { FTimer.start(milliseconds); }
void TQtOneShotTimer::Cancel() { FTimer.stop(); }

TKeyRepeat& ProcessKeyRepeat() { return Process().Repeat; }
const TQtOneShotTimer& ProcessKeyRepeatTimer() { return Process().Timer; }

}  // namespace kelp
