#pragma once
// TClipboardWatcher: reports every change of the clipboard to its owner while
// it is enabled and has a callback. Starting to listen gives one notice of its
// own, which is not reported; the changes that follow all are.

#include <QMetaObject>
#include <QObject>
#include <functional>

namespace kelp {

class TClipboardWatcher : public QObject {
 public:
  explicit TClipboardWatcher(QObject* owner = nullptr);
  ~TClipboardWatcher() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  void SetOnClipChange(std::function<void()> f);
  // Listening to the clipboard right now.
  bool Registered() const { return FRegistered; }

 private:
  void UpdateRegistration();
  void Changed();
  void RegistrationNotice();

  QMetaObject::Connection FConnection;
  std::function<void()> FOnClipChange;
  bool FEnabled = false;
  bool FRegistered = false;
  bool FSkip = false;
  // Notices of registrations still on their way.
  int FPendingNotices = 0;
};

}  // namespace kelp
