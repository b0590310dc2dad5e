#include "app/clipboard/clipboard_watcher.h"

#include <QClipboard>
#include <QGuiApplication>
#include <exception>

namespace kelp {

TClipboardWatcher::TClipboardWatcher(QObject* owner) : QObject(owner) {}

TClipboardWatcher::~TClipboardWatcher() {
  FEnabled = false;
  UpdateRegistration();
}

void TClipboardWatcher::SetEnabled(bool v) {
  if (v && !FEnabled) FSkip = true;
  FEnabled = v;
  UpdateRegistration();
}

void TClipboardWatcher::SetOnClipChange(std::function<void()> f) {
  FOnClipChange = std::move(f);
  UpdateRegistration();
}

void TClipboardWatcher::UpdateRegistration() {
  const bool want = FEnabled && FOnClipChange != nullptr &&
                    qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  if (want == FRegistered) return;
  if (want) {
    FConnection =
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { Changed(); });
    // Joining the clipboard's listeners gives a notice, as a change does.
    // Qt sends none, so the watcher posts it; if a real change comes first,
    // the skip takes that one and this notice reports it instead.
    ++FPendingNotices;
    QMetaObject::invokeMethod(this, &TClipboardWatcher::RegistrationNotice, Qt::QueuedConnection);
  } else {
    disconnect(FConnection);
  }
  FRegistered = want;
}

void TClipboardWatcher::RegistrationNotice() {
  // Of several registrations in a row only the last one's notice counts.
  if (--FPendingNotices == 0 && FRegistered) Changed();
}

void TClipboardWatcher::Changed() {
  if (FSkip) {
    FSkip = false;
    return;
  }
  if (!FOnClipChange) return;
  // A failing handler is reported and does not stop later notices.
  try {
    FOnClipChange();
  } catch (const std::exception& e) {
    qWarning("clipboard change handler failed: %s", e.what());
  } catch (...) {
    qWarning("clipboard change handler failed");
  }
}

}  // namespace kelp
