#include "app/view/notepad.h"

#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "app/view/input_method_bridge.h"
#include "app/view/key_repeat_timer.h"
#include "app/view/notepad_input_host.h"
#include "app/view/qt_measurer.h"
#include "syntax/document_lines.h"
#include "width/char_width.h"

namespace kelp {

TNotePad::TNotePad(QWidget* parent)
    : QAbstractScrollArea(parent), FNotePadString(std::make_unique<TNotePadString>()) {
  FStr = FNotePadString.get();
  FCurrentMode = &ModeOf(hmDefault);
  FOptions.Font = DefaultEditorFont();
  FFont = QFontFromSpec(FOptions.Font);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
  viewport()->setCursor(Qt::IBeamCursor);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &TNotePad::OnVerticalAction);
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, &TNotePad::OnHorizontalAction);
  FPanTimer.setInterval(40);
  connect(&FPanTimer, &QTimer::timeout, this, [this] { PanStep(QCursor::pos() - FPanStart); });

  // What the first window creation does.
  FStr->SetOnChanged([this](TNotePadString&) {
    OnDocumentChanged();
    UpdateCaret();
  });
  FStr->SetOnNeedParse([this](TNotePadString&) { OnDocumentNeedParse(); });
  FStr->SetTabCount(FOptions.TabCount);
  UpdateFontMetrics();
  InitInput();
  ClearAll();
}

// ------------------------------------------------------------------ options

TNotePadOptions TNotePad::Options() const {
  TNotePadOptions o = FOptions;
  o.ShowRuler = FShowRuler == 1;
  o.ShowLeftBar = FShowLeftBar == 1;
  o.TabCount = FStr->TabCount();
  o.AlphaBlend = FAlphaBlend;
  return o;
}

void TNotePad::SetOptions(const TNotePadOptions& Value) {
  FColKeeping = -1;
  FOptions = Value;
  FShowRuler = Value.ShowRuler ? 1 : 0;
  FShowLeftBar = Value.ShowLeftBar ? 1 : 0;
  FOptions.LineMargin = std::clamp<int64_t>(Value.LineMargin, 0, 16);
  FStr->SetTabCount(Value.TabCount);
  if (FOptions.Font.Name.empty()) FOptions.Font = DefaultEditorFont();
  FOptions.Font.Charset = CharsetOfFont(FOptions.Font.Name);
  FFont = QFontFromSpec(FOptions.Font);
  for (auto& f : FStyledFonts) f.reset();
  for (auto& f : FRawFonts) f.reset();
  UpdateFontMetrics();
  UpdateLeftBarWidth();
  UpdateScrollBars();
  FAlphaBlend = static_cast<uint8_t>(Value.AlphaBlend & 0xFF);
  if (FOptions.BackGroundBMP != FPicturePath) {
    FPicturePath = FOptions.BackGroundBMP;
    FPicture = FPicturePath.empty() ? QImage() : QImage(QString::fromStdU16String(FPicturePath));
    if (!FPicture.isNull()) FPicture = FPicture.convertToFormat(QImage::Format_RGB32);
  }
  MarkBackgroundStale();
  RepaintAll();
}

void TNotePad::UpdateFontMetrics() {
  const QFontMetrics fm(FFont);
  FFontWidth = std::max(fm.horizontalAdvance(QLatin1Char('0')), 1);
  FLineHeight = LineHeightOf(fm.height(), std::max(fm.leading(), 0), FOptions.LineMargin);
  const int internal = std::max(fm.height() - QFontInfo(FFont).pixelSize(), 0);
  FLeading = internal / 2;
  FAscent = fm.ascent();
  FDescent = fm.descent();
  ResetCharPixelWidths(std::make_shared<TQtTextMeasurer>(FFont), FFontWidth);
  FFontChanged = true;
}

void TNotePad::UpdateLeftBarWidth() {
  const int64_t w = LeftBarWidthOf(FStr->Count(), FFontWidth, FShowLeftBar);
  if (w == FLeftBarWidth) return;
  FLeftBarWidth = w;
  RepaintAll();
}

bool TNotePad::UpdateWrapWidth() {
  const int64_t cw = viewport()->width();
  if (FWordWrap == wwRight) FFirstVisiblePix = 0;
  const int64_t n = WrapWidthOf(FWordWrap, FWordWrapCount, cw, FLeftBarWidth, FFontWidth);
  if (!FFontChanged && n == FStr->WrapByte()) return false;
  FFontChanged = false;
  FColKeeping = -1;
  FStr->BeginUpdate();
  FStr->SetWrapByte(n);
  UpdateLeftBarWidth();
  if (n < (cw - FLeftBarWidth - 6) / FFontWidth) FFirstVisiblePix = 0;
  UpdateScrollBars();
  FStr->RedrawCurrent();
  FStr->EndUpdate();
  RepaintAll();
  return true;
}

void TNotePad::SetWordWrap(TWordWrap Value) {
  FWordWrap = Value;
  FColKeeping = -1;
  UpdateScrollBars();
  RepaintAll();
}

void TNotePad::SetWordWrapCount(int64_t Value) {
  const int64_t v = std::clamp(Value, MinWrapByte, MaxWrapByte);
  if (v == FWordWrapCount) return;
  FWordWrapCount = v;
  FColKeeping = -1;
  UpdateScrollBars();
  RepaintAll();
}

void TNotePad::SetEditMode(THighlightMode Value) {
  const TNotePadMode* m = &ModeOf(Value);
  if (m == FCurrentMode) return;
  FCurrentMode = m;
  ParseWholeDocument(*FCurrentMode, *FStr);
  RepaintAll();
}

void TNotePad::SetCodePage(uint8_t mask) {
  if (mask == FCodePage) return;
  FCodePage = mask;
  RepaintAll();
}

// ------------------------------------------------------------------ document

void TNotePad::AttachModified() {
  FStr->SetOnModified([this](TNotePadString&) {
    if (FModified) return;
    FModified = true;
    emit ModifiedChanged();
  });
}

void TNotePad::SetModified(bool Value) {
  if (!Value) FStr->ClearModified();
  if (Value && !FModified) {
    FModified = true;
    emit ModifiedChanged();
    return;
  }
  FModified = Value;
}

TReturnCode TNotePad::ReturnCode() const {
  switch (FStr->LineEnds()) {
    case lsCR:
      return rcCR;
    case lsLF:
      return rcLF;
    default:
      return rcCRLF;
  }
}

void TNotePad::SetText(std::u16string_view Value) {
  FColKeeping = -1;
  FStr->SetText(Value);
}

void TNotePad::Clear() {
  FColKeeping = -1;
  FStr->SetText(u"");
}

void TNotePad::ClearAll() {
  FColKeeping = -1;
  FStr->SetOnModified(nullptr);
  FStr->ClearAll();
  FModified = false;
  AttachModified();
}

void TNotePad::LoadFromString(std::u16string_view Value) {
  FColKeeping = -1;
  FStr->SetOnModified(nullptr);
  FStr->SetText(Value);
  FStr->ClearUndo();
  FStr->ClearModified();
  FModified = false;
  AttachModified();
  // The whole text is new: every line is parsed from the top.
  ParseWholeDocument(*FCurrentMode, *FStr);
  RepaintAll();
}

void TNotePad::Undo() {
  FColKeeping = -1;
  FStr->Undo();
}

void TNotePad::Redo() {
  FColKeeping = -1;
  FStr->Redo();
}

bool TNotePad::undo() {
  if (!CanUndo()) return false;
  Undo();
  return true;
}

bool TNotePad::redo() {
  if (!CanRedo()) return false;
  Redo();
  return true;
}

void TNotePad::SetSelectedText(std::u16string_view Value) {
  FColKeeping = -1;
  FStr->SetSelText(Value);
}

void TNotePad::SetSelectionStart(int64_t Value) {
  FColKeeping = -1;
  const int64_t v = std::clamp<int64_t>(Value, 0, FStr->TextLength());
  if (v == FStr->SelStart()) return;
  FStr->BeginUpdate();
  FStr->SetSelStart(v);
  FStr->SetSelEnd(v);
  FStr->RedrawCurrent();
  FStr->EndUpdate();
}

void TNotePad::SetSelectionLength(int64_t Value) {
  FColKeeping = -1;
  FStr->BeginUpdate();
  FStr->SetBoxMode(false);
  FStr->RedrawCurrent();
  FStr->SetSelEnd(std::clamp<int64_t>(FStr->SelStart() + Value, 0, FStr->TextLength()));
  FStr->RedrawCurrent();
  FStr->EndUpdate();
}

void TNotePad::Select(int64_t Start, int64_t Len) {
  FColKeeping = -1;
  const int64_t n = FStr->TextLength();
  FStr->BeginUpdate();
  FStr->RedrawCurrent();
  FStr->SetSelStart(std::clamp<int64_t>(Start, 0, n));
  FStr->SetSelEnd(std::clamp<int64_t>(Start + Len, 0, n));
  FStr->RedrawCurrent();
  FStr->EndUpdate();
}

void TNotePad::SelectAll() {
  FColKeeping = -1;
  FStr->BeginUpdate();
  FStr->SetBoxMode(false);
  FStr->RedrawCurrent();
  FStr->SetSelStart(0);
  FStr->SetSelEnd(FStr->TextLength());
  FStr->RedrawCurrent();
  FStr->EndUpdate();
}

void TNotePad::SetBoxSelectMode(bool Value) {
  if (Value == FStr->BoxMode()) return;
  FStr->SetBoxMode(Value);
  RepaintAll();
  emit ViewChanged();
}

int64_t TNotePad::CaretLine() const {
  int64_t n = 0;
  const int64_t y = FStr->SelEndPos().Y;
  for (int64_t r = 0; r < y; ++r)
    if (FStr->Items(r).LineEnd != leWrap) ++n;
  return n;
}

void TNotePad::SetCaretLine(int64_t a) {
  const TNativePoint p = FStr->LinesPosToWrapPos(0, a);
  if (p.Y == FStr->SelEndPos().Y) return;
  FColKeeping = -1;
  FStr->BeginUpdate();
  FStr->RedrawCurrent();
  FStr->SetSelStartPos(p);
  FStr->SetSelEndPos(p);
  FStr->RedrawCurrent();
  FStr->EndUpdate();
}

void TNotePad::SetCaretLineWraped(int64_t a) {
  if (a == FStr->SelEndPos().Y) return;
  FColKeeping = -1;
  FStr->BeginUpdate();
  FStr->RedrawCurrent();
  FStr->SetSelStartPos({0, a});
  FStr->SetSelEndPos({0, a});
  FStr->RedrawCurrent();
  FStr->EndUpdate();
}

bool TNotePad::SelectedWithoutCRLF() const {
  const TNativePoint s = FStr->SelStartPos();
  const TNativePoint e = FStr->SelEndPos();
  if (FStr->SelStart() == FStr->SelEnd() && s == e) return false;
  if (s.Y == e.Y) return true;
  if (FStr->BoxMode()) return false;
  for (int64_t r = std::min(s.Y, e.Y); r < std::max(s.Y, e.Y); ++r)
    if (FStr->Items(r).LineEnd != leWrap) return false;
  return true;
}

void TNotePad::SubSelect(int64_t AStart, int64_t AEnd) {
  FSubSelectStart = AStart;
  FSubSelectEnd = AEnd;
  RepaintAll();
}

void TNotePad::ReplaseWithoutSelect(std::u16string_view Value, int64_t AStart, int64_t ALength) {
  FColKeeping = -1;
  FStr->ReplaseWithoutSelect(Value, AStart, ALength);
}

void TNotePad::AddMark() {
  FStr->AddMark(FStr->SelEnd());
  RepaintAll();
}

void TNotePad::AddMark(int64_t Value) {
  FStr->AddMark(Value);
  RepaintAll();
}

void TNotePad::DeleteMark(int64_t Value) {
  if (Value < 0 || Value >= FStr->MarkCount()) return;
  FStr->DeleteMark(Value);
  RepaintAll();
}

void TNotePad::SetSearchText(std::u16string_view Value) {
  FSearchText = Value;
  RepaintAll();
  emit ViewChanged();
}

void TNotePad::SetSearchIgCase(bool Value) {
  FSearchIgCase = Value;
  RepaintAll();
  emit ViewChanged();
}

void TNotePad::OnDocumentNeedParse() {
  if (ParseDocumentChange(*FCurrentMode, *FStr).Spilled) RepaintAll();
}

void TNotePad::OnDocumentChanged() {
  const int64_t cw = viewport()->width();
  if (FShowRuler) InvalidateRect(QRect(0, 0, static_cast<int>(cw), static_cast<int>(FLineHeight)));
  const int64_t count = FStr->Count();
  const bool countChanged = count != FStr->CountBeforeChanged();
  if (countChanged) UpdateLeftBarWidth();
  UpdateScrollBars();
  const TScrollState s = ScrollState();
  TScrollPosition target;
  if (FForceScroll || ((hasFocus() || FCompleting) && !FRulerDrag)) {
    FForceScroll = false;
    const TNativePoint caret = FStr->SelEndPos();
    target = FollowCaret(s, caret.Y, FStr->GetCaretX(caret.X, caret.Y));
  } else {
    target = ClampAfterChange(s, FRulerDrag);
  }
  if (ApplyScroll(target)) {
    emit ViewChanged();
    return;
  }
  if (countChanged) {
    UpdateScrollBars();
    emit ViewChanged();
    RepaintAll();
    return;
  }
  const int64_t a = FStr->ChangedStart();
  const int64_t b = std::min(FStr->ChangedEnd(), count - 1);
  int64_t k = 1;
  if (FStr->ParseDone()) {
    k = 1;
    for (int64_t r = b; r >= 0 && r < count - 1 && FStr->Items(r).LineEnd == leWrap; ++r) ++k;
  }
  const int64_t y = (a + FShowRuler - FFirstVisibleLine) * FLineHeight;
  const int64_t h = FLineHeight * (b + k - a + 1);
  const int64_t top = std::clamp<int64_t>(y, 0, viewport()->height());
  const int64_t bottom = std::clamp<int64_t>(y + h, 0, viewport()->height());
  if (bottom > top)
    InvalidateRect(QRect(0, static_cast<int>(top), static_cast<int>(cw), static_cast<int>(bottom - top)));
  if (!FOptions.LeftBarCountWrap)
    InvalidateRect(QRect(0, 0, static_cast<int>(FLeftBarWidth + 3), viewport()->height()));
  emit ViewChanged();
}

// ------------------------------------------------------------------ scrolling

TScrollState TNotePad::ScrollState() const {
  TScrollState s;
  s.Count = FStr->Count();
  s.FirstLine = FFirstVisibleLine;
  s.FirstPix = FFirstVisiblePix;
  s.VisibleLines = FVisibleLineCount;
  s.VisibleBytes = FVisibleByteCount;
  s.WrapByte = FStr->WrapByte();
  s.Unit = FFontWidth;
  return s;
}

bool TNotePad::ApplyScroll(const TScrollPosition& p) {
  if (p.FirstLine == FFirstVisibleLine && p.FirstPix == FFirstVisiblePix) return false;
  FFirstVisibleLine = p.FirstLine;
  FFirstVisiblePix = p.FirstPix;
  UpdateScrollBars();
  RepaintAll();
  UpdateCaret();
  return true;
}

void TNotePad::UpdateScrollBars() {
  FVisibleLineCount = VisibleLineCountOf(viewport()->height(), FLineHeight, FShowRuler);
  FVisibleByteCount = VisibleByteCountOf(viewport()->width(), FLeftBarWidth, FFontWidth);
  const TScrollState s = ScrollState();
  const bool was = FSettingBars;
  FSettingBars = true;
  const TScrollBarInfo v = VerticalBarInfo(s);
  QScrollBar* vb = verticalScrollBar();
  vb->setRange(0, static_cast<int>(std::max<int64_t>(v.Max - v.Page + 1, 0)));
  vb->setPageStep(static_cast<int>(v.Page));
  vb->setSingleStep(1);
  vb->setValue(static_cast<int>(v.Pos));
  vb->setEnabled(v.Scrollable());
  const TScrollBarInfo hi = HorizontalBarInfo(s);
  QScrollBar* hb = horizontalScrollBar();
  hb->setRange(0, static_cast<int>(std::max<int64_t>(hi.Max - hi.Page + 1, 0)));
  hb->setPageStep(static_cast<int>(hi.Page));
  hb->setSingleStep(1);
  hb->setValue(static_cast<int>(hi.Pos));
  const Qt::ScrollBarPolicy policy = hi.Scrollable() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  if (horizontalScrollBarPolicy() != policy) setHorizontalScrollBarPolicy(policy);
  FSettingBars = was;
}

void TNotePad::VScroll(TScrollCode code, int64_t pos) {
  const int64_t n = VerticalScrollTarget(ScrollState(), code, pos);
  if (n == FFirstVisibleLine) return;
  FFirstVisibleLine = n;
  UpdateScrollBars();
  RepaintAll();
}

void TNotePad::HScroll(TScrollCode code, int64_t pos) {
  const int64_t c = HorizontalScrollTarget(ScrollState(), code, pos);
  if (c * FFontWidth == FFirstVisiblePix) return;
  FFirstVisiblePix = c * FFontWidth;
  UpdateScrollBars();
  RepaintAll();
}

namespace {
bool CodeOfAction(int action, TScrollCode& code) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      code = scLineDown;
      return true;
    case QAbstractSlider::SliderSingleStepSub:
      code = scLineUp;
      return true;
    case QAbstractSlider::SliderPageStepAdd:
      code = scPageDown;
      return true;
    case QAbstractSlider::SliderPageStepSub:
      code = scPageUp;
      return true;
    case QAbstractSlider::SliderToMinimum:
      code = scTop;
      return true;
    case QAbstractSlider::SliderToMaximum:
      code = scBottom;
      return true;
    case QAbstractSlider::SliderMove:
      code = scThumb;
      return true;
    default:
      return false;
  }
}
}  // namespace

void TNotePad::OnVerticalAction(int action) {
  TScrollCode code;
  if (!CodeOfAction(action, code)) return;
  QScrollBar* vb = verticalScrollBar();
  VScroll(code, vb->sliderPosition());
  // The bar moves to where the view went, not by its own steps.
  vb->setSliderPosition(static_cast<int>(FFirstVisibleLine));
}

void TNotePad::OnHorizontalAction(int action) {
  TScrollCode code;
  if (!CodeOfAction(action, code)) return;
  QScrollBar* hb = horizontalScrollBar();
  HScroll(code, hb->sliderPosition());
  hb->setSliderPosition(static_cast<int>(FFirstVisiblePix / FFontWidth));
}

void TNotePad::scrollContentsBy(int, int) {
  if (FSettingBars) return;
  // A bar value set from outside the view's own requests.
  const bool was = FSettingBars;
  FSettingBars = true;
  VScroll(scThumb, verticalScrollBar()->value());
  HScroll(scThumb, horizontalScrollBar()->value());
  FSettingBars = was;
}

void TNotePad::WheelBy(int delta, int scrollLines) {
  const TWheelScroll w = WheelScroll(FMouseWheelDelta, delta, scrollLines);
  for (int64_t i = 0; i < w.Requests; ++i) VScroll(w.Code);
}

void TNotePad::wheelEvent(QWheelEvent* event) {
  EndPanning();
  WheelBy(event->angleDelta().y(), QApplication::wheelScrollLines());
  event->accept();
}

void TNotePad::ScrollToCaret() {
  FForceScroll = true;
  FStr->BeginUpdate();
  FStr->EndUpdate();
}

void TNotePad::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (Panning()) {
    EndPanning();
    event->accept();
    return;
  }
  if (event->button() == Qt::MiddleButton) {
    FPanStart = event->globalPosition().toPoint();
    FPanVertical = VerticalBarInfo(ScrollState()).Max >= FVisibleLineCount;
    viewport()->setCursor(Qt::SizeAllCursor);
    if (!FPanMark) {
      auto* mark = new QLabel(FPanVertical ? QStringLiteral("\u2725") : QStringLiteral("\u2194"), viewport());
      mark->setAlignment(Qt::AlignCenter);
      mark->setFrameShape(QFrame::Box);
      mark->setAutoFillBackground(true);
      mark->resize(24, 24);
      FPanMark = mark;
    } else {
      static_cast<QLabel*>(FPanMark)->setText(FPanVertical ? QStringLiteral("\u2725")
                                                           : QStringLiteral("\u2194"));
    }
    FPanMark->move(event->position().toPoint() - QPoint(12, 12));
    FPanMark->show();
    FPanTimer.start();
  } else if (event->button() == Qt::LeftButton) {
    LeftPress(event);
  }
  event->accept();
}

void TNotePad::PanStep(QPoint d) {
  const int threshold = std::max(QApplication::startDragDistance(), 1);
  auto steps = [&](int dist) { return std::abs(dist) <= 8 ? 0 : (std::abs(dist) / 2) / threshold; };
  if (FPanVertical) {
    const int n = steps(d.y());
    for (int i = 0; i < n; ++i) VScroll(d.y() < 0 ? scLineUp : scLineDown);
  }
  const int n = steps(d.x());
  for (int i = 0; i < n; ++i) HScroll(d.x() < 0 ? scLineUp : scLineDown);
  // The pointer shows the direction; within 8 pixels an axis has none.
  const bool h = std::abs(d.x()) > 8;
  const bool v = FPanVertical && std::abs(d.y()) > 8;
  Qt::CursorShape shape = Qt::SizeAllCursor;
  if (h && v) {
    shape = (d.x() > 0) == (d.y() > 0) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
  } else if (h) {
    shape = Qt::SizeHorCursor;
  } else if (v) {
    shape = Qt::SizeVerCursor;
  }
  if (Panning()) viewport()->setCursor(shape);
}

void TNotePad::EndPanning() {
  if (!FPanTimer.isActive()) return;
  FPanTimer.stop();
  if (FPanMark) FPanMark->hide();
  viewport()->setCursor(Qt::IBeamCursor);
}

void TNotePad::focusOutEvent(QFocusEvent* event) {
  EndPanning();
  ProcessKeyRepeat().FocusOut();
  QAbstractScrollArea::focusOutEvent(event);
}

void TNotePad::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  FColKeeping = -1;
  UpdateScrollBars();
  RepaintAll();
}

// ------------------------------------------------------------------ repainting

void TNotePad::RepaintAll() {
  ++FFullRepaints;
  FInvalidated = QRegion(viewport()->rect());
  viewport()->update();
}

void TNotePad::InvalidateRect(const QRect& r) {
  FInvalidated += r;
  viewport()->update(r);
}

QRegion TNotePad::TakeInvalidated() {
  QRegion r = FInvalidated;
  FInvalidated = QRegion();
  return r;
}

}  // namespace kelp
