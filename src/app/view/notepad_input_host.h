#pragma once
// The view's side of the caret and mouse logic.

#include "app/view/notepad.h"

namespace kelp {

// What the caret and mouse logic asks of the view.
class TNotePadInputHost : public TKeyHost, public TMouseHost, public TKeyReceiver {
 public:
  explicit TNotePadInputHost(TNotePad& v) : FView(v) {}
  int64_t FirstVisibleLine() const override { return FView.FirstVisibleLine(); }
  int64_t VisibleLineCount() const override { return FView.VisibleLineCount(); }
  TWordInfo WordAt(int64_t X, int64_t Y) override { return FView.WordAt(X, Y); }
  void Copy() override { FView.Copy(); }
  void Cut() override { FView.Cut(); }
  void Paste() override { FView.Paste(); }
  void SelectAll() override { FView.SelectAll(); }
  void ScrollPageUp() override { FView.VScroll(scPageUp); }
  void ScrollPageDown() override { FView.VScroll(scPageDown); }
  TViewGeometry Geometry() const override { return FView.InputGeometry(); }
  bool RulerEnabled() const override { return FView.FOptions.RulerEnabled; }
  void RulerDown(int64_t column) override { emit FView.RulerDown(column); }
  void RulerMove(int64_t column) override { emit FView.RulerMove(column); }
  void RulerUp(int64_t column) override { emit FView.RulerUp(column); }
  void OpenJumpTarget(const std::u16string& target) override { FView.OpenJumpTarget(target); }
  void StartDrag() override { FView.StartDrag(); }
  void HandleKeyDown(const TKeyMessage& msg) override { FView.HandleKeyMessage(msg); }
  void SendKeyDown(const TKeyMessage& msg) override { FView.ResendKey(msg); }

 private:
  TNotePad& FView;
};

}  // namespace kelp
