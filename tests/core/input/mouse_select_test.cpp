// Mouse selection: clicks, Shift and Alt, the bar's whole rows, the ruler,
// pressing inside the selection, double clicks on words and links.

#include "input/mouse_select.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/input/input_test_util.h"

namespace kelp::test {
namespace {

class FakeMouseHost : public TMouseHost {
 public:
  explicit FakeMouseHost(TNotePadString& d) : doc(d) {}
  TViewGeometry Geometry() const override { return g; }
  bool RulerEnabled() const override { return ruler; }
  void RulerDown(int64_t c) override { events += "down" + std::to_string(c) + ";"; }
  void RulerMove(int64_t c) override { events += "move" + std::to_string(c) + ";"; }
  void RulerUp(int64_t c) override { events += "up" + std::to_string(c) + ";"; }
  TWordInfo WordAt(int64_t X, int64_t Y) override { return kelp::WordAt(doc, SimpleTokenizer, X, Y); }
  void OpenJumpTarget(const std::u16string& t) override { opened.push_back(t); }
  void StartDrag() override { events += "drag;"; }

  TNotePadString& doc;
  // Bar 20 px, rows 18 px under the ruler, unit 8 px.
  TViewGeometry g{20, 18, 1, 0, 0, 4, 13, 3, 8};
  bool ruler = true;
  std::string events;
  std::vector<std::u16string> opened;
};

class KeyHostStub : public TKeyHost {
 public:
  int64_t FirstVisibleLine() const override { return 0; }
  int64_t VisibleLineCount() const override { return 10; }
  TWordInfo WordAt(int64_t, int64_t) override { return {}; }
  void Copy() override {}
  void Cut() override {}
  void Paste() override {}
  void SelectAll() override {}
  void ScrollPageUp() override {}
  void ScrollPageDown() override {}
};

constexpr TShiftState kNone{};
constexpr TShiftState kShift{true, false, false};
constexpr TShiftState kAlt{false, false, true};

class MouseTest : public DocTest {
 protected:
  // The client point of the left edge of character X on row Y (narrow characters), a pixel in.
  static int64_t PX(int64_t X) { return 26 + 8 * X + 1; }
  static int64_t PY(int64_t Y) { return 18 * (Y + 1) + 9; }
  void Click(int64_t X, int64_t Y, TShiftState s = kNone) {
    mouse.Press(PX(X), PY(Y), s);
    mouse.Release(PX(X), PY(Y));
  }

  TNotePadString d;
  FakeMouseHost host{d};
  KeyHostStub keyHost;
  TKeyHandler keys{d, keyHost};
  TMouseSelector mouse{d, host, keys};
};

TEST_F(MouseTest, ClicksPlaceTheCaretShiftExtendsAltMakesABox) {
  SetRows(d, {u"hello world\n", u"ab\n", u"xyz"});
  keys.SetColKeeping(50);
  Click(3, 0);
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{3, 0}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 0}));
  EXPECT_EQ(keys.ColKeeping(), -1);
  Click(1, 2, kShift);
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{3, 0}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{1, 2}));
  EXPECT_FALSE(d.BoxMode());
  mouse.Press(PX(9), PY(1), kAlt);  // beyond the row's end: at its end
  EXPECT_TRUE(d.BoxMode());
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{2, 1}));
  // Dragging with the button held moves the caret only.
  EXPECT_EQ(mouse.Move(PX(1), PY(9), true), TMouseCursor::IBeam);
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{2, 1}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{1, 2}));
  mouse.Release(PX(1), PY(9));
  // A click rounds to the nearer character edge.
  mouse.Press(26 + 8 * 4 + 5, PY(0), kNone);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{5, 0}));
  EXPECT_FALSE(d.BoxMode());
}

TEST_F(MouseTest, TheBarSelectsWholeRows) {
  SetRows(d, ManyRows(12, u"row"));
  mouse.Press(5, PY(7), kNone);
  EXPECT_EQ(mouse.LineSelect(), 7);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{0, 7}));
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{0, 8}));
  EXPECT_EQ(mouse.Move(5, PY(9), true), TMouseCursor::Arrow);
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{0, 7}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{0, 10}));
  EXPECT_EQ(d.GetSelText(), u"row\nrow\nrow\n");
  // Over the text too, and upward: the pressed row stays selected.
  mouse.Move(PX(2), PY(5), true);
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{0, 8}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{0, 5}));
  // Down to the last row and below: up to the end of the text.
  mouse.Move(5, PY(30), true);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 11}));
  mouse.Release(5, PY(30));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{3, 11}));
  // On the last row the row is selected from its end back to its start.
  d.SetBoxMode(true);
  mouse.Press(5, PY(11), kNone);
  EXPECT_FALSE(d.BoxMode());
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{3, 11}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{0, 11}));
  mouse.Move(5, PY(10), true);
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{3, 11}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{0, 10}));
}

TEST_F(MouseTest, PressInsideTheSelectionArmsADragAndAPlainReleaseCollapses) {
  SetRows(d, {u"abcdefgh"});
  d.SetSelStartPos({2, 0});
  d.SetSelEndPos({6, 0});
  EXPECT_EQ(mouse.Move(PX(4), PY(0), false), TMouseCursor::Arrow);
  EXPECT_EQ(mouse.Move(PX(7), PY(0), false), TMouseCursor::IBeam);
  mouse.Press(PX(4), PY(0), kNone);
  EXPECT_TRUE(mouse.DDReady());
  EXPECT_EQ(d.SelStart(), 2);  // nothing moved yet
  EXPECT_EQ(d.SelEnd(), 6);
  mouse.Release(PX(4), PY(0));
  EXPECT_EQ(d.SelStartPos(), (TNativePoint{4, 0}));
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{4, 0}));

  d.SetSelStartPos({2, 0});
  d.SetSelEndPos({6, 0});
  mouse.Press(PX(3), PY(0), kNone);
  mouse.Move(PX(1), PY(0), true);
  EXPECT_EQ(host.events, "drag;");
  EXPECT_FALSE(mouse.DDReady());
  // The press on the selection's edge is outside it: it places the caret.
  mouse.Press(PX(6), PY(0), kNone);
  EXPECT_FALSE(mouse.DDReady());
  EXPECT_EQ(d.SelStart(), 6);
  EXPECT_EQ(d.SelEnd(), 6);
}

TEST_F(MouseTest, RulerEventsInColumns) {
  SetRows(d, {u"abc"});
  mouse.Press(26 + 8 * 12 + 6, 4, kNone);  // rounded to column 13
  // While captured the ruler shows the text cursor.
  EXPECT_EQ(mouse.Move(26 + 8 * 20, 4, true), TMouseCursor::IBeam);
  mouse.Release(26 + 8 * 2, 4);
  EXPECT_EQ(host.events, "down13;move20;up2;");
  EXPECT_FALSE(mouse.RulerDrag());
  EXPECT_EQ(mouse.Move(40, 4, false), TMouseCursor::HSplit);
  EXPECT_EQ(d.SelEndPos(), (TNativePoint{0, 0}));
  host.ruler = false;
  host.events.clear();
  mouse.Press(40, 4, kNone);
  mouse.Move(60, 4, true);
  mouse.Release(60, 4);
  EXPECT_EQ(host.events, "");
  EXPECT_EQ(mouse.Move(40, 4, false), TMouseCursor::Default);
}

TEST_F(MouseTest, DoubleClickSelectsAWordOrOpensALink) {
  SetRows(d, {u"see http://a.b/c and words"});
  Click(22, 0);
  mouse.DoubleClick(PX(22), PY(0), kNone);
  EXPECT_EQ(d.SelStart(), 21);
  EXPECT_EQ(d.SelEnd(), 26);
  EXPECT_TRUE(mouse.DDReady());  // the press armed a drag of the word
  // The release that ends the double click leaves the word selected.
  mouse.Release(PX(22), PY(0));
  EXPECT_EQ(d.SelStart(), 21);
  EXPECT_EQ(d.SelEnd(), 26);

  Click(6, 0);
  mouse.DoubleClick(PX(6), PY(0), kNone);
  ASSERT_EQ(host.opened.size(), 1u);
  EXPECT_EQ(host.opened[0], u"http://a.b/c");
  EXPECT_EQ(d.SelStart(), 6);  // the selection stays as the first click left it
  EXPECT_EQ(d.SelEnd(), 6);

  // Beyond the row's end or over the bar nothing happens.
  mouse.DoubleClick(PX(40), PY(0), kNone);
  mouse.DoubleClick(5, PY(0), kNone);
  EXPECT_EQ(d.SelStart(), 6);
  EXPECT_EQ(d.SelEnd(), 6);
  EXPECT_EQ(host.opened.size(), 1u);
}

}  // namespace
}  // namespace kelp::test
