#pragma once
// Selecting with the left mouse button: clicks in the text (with Shift to
// extend and Alt for a box), whole rows from the line-number bar, the ruler's
// events, pressing inside the selection to arm a drag, releasing without a
// drag, and double clicks that select a word or open a link. Points are client
// pixels; what only the view can do comes through TMouseHost.

#include <cstdint>
#include <string>

#include "document/notepad_string.h"
#include "input/geometry.h"
#include "input/key_handler.h"
#include "input/word_at.h"

namespace kelp {

class TMouseHost {
 public:
  virtual ~TMouseHost() = default;
  virtual TViewGeometry Geometry() const = 0;
  virtual bool RulerEnabled() const = 0;
  // Ruler events, in columns of the width unit.
  virtual void RulerDown(int64_t column) = 0;
  virtual void RulerMove(int64_t column) = 0;
  virtual void RulerUp(int64_t column) = 0;
  virtual TWordInfo WordAt(int64_t X, int64_t Y) = 0;
  // Opens a link or path with the desktop's handler.
  virtual void OpenJumpTarget(const std::u16string& target) = 0;
  // Starts dragging the selection out (the drag loop of the view).
  virtual void StartDrag() = 0;
};

enum class TMouseCursor : uint8_t {
  Arrow,
  IBeam,
  HSplit,  // over an enabled ruler
  Default,
};

class TMouseSelector {
 public:
  TMouseSelector(TNotePadString& doc, TMouseHost& host, TKeyHandler& keys)
      : FDoc(doc), FHost(host), FKeys(keys) {}

  void Press(int64_t x, int64_t y, TShiftState s);
  // `captured`: the left button is held since a press in the view.
  TMouseCursor Move(int64_t x, int64_t y, bool captured);
  void Release(int64_t x, int64_t y);
  void DoubleClick(int64_t x, int64_t y, TShiftState s);
  // Opens the word at offset X of the caret's row when it is a jump target
  // (answers true); otherwise selects it.
  bool JumpOrSelectWord(int64_t X);

  int64_t LineSelect() const { return FLineSelect; }
  bool RulerDrag() const { return FRulerDrag; }
  bool DoubleClicked() const { return FDoubleClicked; }
  bool DDReady() const { return FDDReady; }
  // The drag started: the press no longer arms one.
  void ClearDDReady() { FDDReady = false; }

 private:
  bool OverBar(int64_t x, const TViewGeometry& g) const { return x < g.LeftBarWidth + 3; }
  bool InsideSelection(const TViewGeometry& g, int64_t x, int64_t y);
  void SetEnds(TNativePoint anchor, TNativePoint caret);

  TNotePadString& FDoc;
  TMouseHost& FHost;
  TKeyHandler& FKeys;
  int64_t FLineSelect = -1;
  bool FRulerDrag = false;
  bool FDoubleClicked = false;
  bool FDDReady = false;
};

}  // namespace kelp
