#pragma once
// TClipboardWatcher: reports every change of the clipboard to its owner while
// it is enabled and has a callback. The first notice after it is enabled is
// not reported.

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

  QMetaObject::Connection FConnection;
  std::function<void()> FOnClipChange;
  bool FEnabled = false;
  bool FRegistered = false;
  bool FSkip = false;
};

}  // namespace kelp
