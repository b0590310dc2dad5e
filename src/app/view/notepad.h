#pragma once
// TNotePad: the editor view. A custom-painted scroll area that shows one
// document (TNotePadString) with a ruler, a line-number bar, syntax colours,
// visible marks for tabs, spaces, line ends and the end of the text, the
// selections and search matches; it scrolls by rows and width units.

#include <QAbstractScrollArea>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRawFont>
#include <QRegion>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "document/notepad_string.h"
#include "input/drop_rules.h"
#include "input/geometry.h"
#include "input/key_handler.h"
#include "input/key_repeat.h"
#include "input/mouse_select.h"
#include "syntax/notepad_mode.h"
#include "view/notepad_options.h"
#include "view/view_geometry.h"

class QDrag;
class QPainter;
class QMimeData;

namespace kelp {

enum TReturnCode : uint8_t { rcCR = 0, rcLF = 1, rcCRLF = 2 };

class TNotePadParser;
class TNotePadInputHost;
class TInputMethodBridge;

class TNotePad : public QAbstractScrollArea {
  Q_OBJECT
  // The queries of an edit control, reachable by name through Qt's
  // meta-object system as other edit widgets' are.
  Q_PROPERTY(bool canUndo READ CanUndo)
  Q_PROPERTY(bool canRedo READ CanRedo)
  Q_PROPERTY(bool canPaste READ CanPaste)
  Q_PROPERTY(qint64 firstVisibleLine READ FirstVisibleLine)

 public:
  explicit TNotePad(QWidget* parent = nullptr);
  ~TNotePad() override;

  // ---- virtual operations
  // Overwrites the token codes of row Index with tk::kHighlight where the
  // search text matches (literal search here).
  virtual void MarkSearchMatches(int64_t Index);
  virtual TColor ColorFromToken(TTokenCode C) const { return FOptions.ColorFromToken(C); }
  virtual TFontStyles StyleFromToken(TTokenCode C) const { return FOptions.StyleFromToken(C); }

  // ---- options, mode, wrapping
  TNotePadOptions Options() const;
  void SetOptions(const TNotePadOptions& Value);
  THighlightMode EditMode() const { return HighlightModeOf(FCurrentMode); }
  void SetEditMode(THighlightMode Value);
  const TNotePadMode& CurrentMode() const { return *FCurrentMode; }
  void SetModeFromPath(std::u16string_view pathName) { SetEditMode(ModeFromPath(pathName)); }
  static std::u16string GetModeExt(THighlightMode Value) { return ModeOf(Value).FileExts(); }
  static void SetModeExt(THighlightMode mode, std::u16string_view Value) { ModeOf(mode).SetFileExts(Value); }
  TWordWrap WordWrap() const { return FWordWrap; }
  void SetWordWrap(TWordWrap Value);
  int64_t WordWrapCount() const { return FWordWrapCount; }
  void SetWordWrapCount(int64_t Value);
  uint8_t CodePage() const { return FCodePage; }
  void SetCodePage(uint8_t mask);

  // ---- document
  TNotePadString& NotePadString() { return *FStr; }
  bool Modified() const { return FModified; }
  void SetModified(bool Value);
  std::u16string Text() const { return FStr->Text(); }
  void SetText(std::u16string_view Value);
  std::u16string TextIf() const { return FStr->TextIf(); }
  int64_t TextLength() const { return FStr->TextLength(); }
  std::u16string GetTextCR() const { return FStr->GetTextCR(); }
  std::u16string GetTextLF() const { return FStr->GetTextLF(); }
  std::u16string GetTextCRLF() const { return FStr->GetTextCRLF(); }
  std::u16string GetReturnedString() { return FStr->GetReturnedString(); }
  TReturnCode ReturnCode() const;
  void Clear();
  void ClearAll();
  void ClearUndo() { FStr->ClearUndo(); }
  void LoadFromString(std::u16string_view Value);
  void Undo();
  void Redo();
  bool CanUndo() const { return FStr->CanUndo(); }
  bool CanRedo() const { return FStr->CanRedo(); }
  // Edit-control requests: undo or redo if there is something to, answering whether there was.
  Q_INVOKABLE bool undo();
  Q_INVOKABLE bool redo();
  Q_INVOKABLE void emptyUndoBuffer() { ClearUndo(); }

  // ---- selection
  std::u16string SelectedText() { return FStr->SelText(); }
  void SetSelectedText(std::u16string_view Value);
  int64_t SelectionStart() const { return FStr->SelStart(); }
  void SetSelectionStart(int64_t Value);
  int64_t SelectionLength() const { return FStr->SelEnd() - FStr->SelStart(); }
  void SetSelectionLength(int64_t Value);
  void Select(int64_t Start, int64_t Len);
  void SelectAll();
  bool BoxSelectMode() const { return FStr->BoxMode(); }
  void SetBoxSelectMode(bool Value);
  bool BoxSelected() const { return FStr->BoxMode() && FStr->SelStartPos().Y != FStr->SelEndPos().Y; }
  int64_t CaretLine() const;
  void SetCaretLine(int64_t a);
  int64_t CaretLineWraped() const { return FStr->SelEndPos().Y; }
  void SetCaretLineWraped(int64_t a);
  // The selection is not empty and holds no line break.
  bool SelectedWithoutCRLF() const;
  void SubSelect(int64_t AStart, int64_t AEnd);
  void ReplaseWithoutSelect(std::u16string_view Value, int64_t AStart, int64_t ALength);

  // ---- clipboard
  void Copy();
  void Cut();
  void Paste();
  bool CanPaste() const;

  // ---- caret and input
  // Places the caret at the caret end of the selection and tells the input method.
  void UpdateCaret();
  // The caret's rectangle in client pixels; empty while it is hidden.
  QRect CaretRect() const { return FCaretHided ? QRect() : FCaretRect; }
  TViewGeometry InputGeometry() const;
  TWordInfo WordAt(int64_t X, int64_t Y);
  bool JumpOrSelectWord(int64_t X);
  // Selects the word at offset X of row Y.
  void SelectWord(int64_t X, int64_t Y);
  // Collapses the selection onto the anchor and selects the word there.
  void SelectWordFromCaret();
  // The word at the anchor.
  std::u16string GetWordFromCaret();
  // While the completion list has the focus the caret stays visible.
  void CompleteFocusStart();
  void CompleteFocusCancel();
  bool Completing() const { return FCompleting; }
  // A key forwarded from elsewhere (the completion list), handled as if the
  // view had received it, with the accelerated repeat.
  void InputKey(QKeyEvent* event);
  // The character a key carries, typed into the view; answers whether it took one.
  bool InputKeyChar(const QKeyEvent& event);
  TNativePoint CompletePoint();
  TKeyHandler& KeyHandler() { return *FKeys; }
  const QString& Preedit() const { return FPreedit; }
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  // Reconverts the selection (one row, not empty) through the input method:
  // the selection is turned so that the caret stands at its start. Answers
  // whether it was handed over.
  bool Reconvert();
  // Registers the selected word with the input method, or says that it
  // offers no way to.
  void ImeRegWord();
  void SetInputMethodBridge(std::unique_ptr<TInputMethodBridge> bridge);
  // The accelerated key repeat of every view of the process.
  static bool KeyRepeatAcceled();
  static void SetKeyRepeatAcceled(bool Value);

  // ---- drag and drop (notepad_drop.cpp)
  // The data of a drag of the selection; the view knows it as its own.
  QMimeData* DragData();
  void StartDrag();
  // Something is being dragged over the view, to be dropped at DragCaret.
  bool Draging() const { return FDraging; }
  TNativePoint DragCaret() const { return FDragCaret; }

  // ---- marks
  int64_t MarkCount() const { return FStr->MarkCount(); }
  void AddMark();
  void AddMark(int64_t Value);
  void DeleteMark(int64_t Value);
  int64_t GetMarks(int64_t index) const { return FStr->GetMarks(index); }

  // ---- search highlight
  const std::u16string& SearchText() const { return FSearchText; }
  void SetSearchText(std::u16string_view Value);
  bool SearchIgCase() const { return FSearchIgCase; }
  void SetSearchIgCase(bool Value);

  // ---- scrolling
  void ScrollToCaret();
  void VScroll(TScrollCode code, int64_t pos = 0);
  void HScroll(TScrollCode code, int64_t pos = 0);
  // The wheel: delta in eighths of a degree (120 per notch); scrollLines is
  // the lines per notch, -1 for a page.
  void WheelBy(int delta, int scrollLines);
  bool Panning() const { return FPanTimer.isActive(); }
  QWidget* PanningMark() const { return FPanMark; }
  // One step of panning with the pointer at offset d from where it started.
  void PanStep(QPoint d);

  // ---- metrics and geometry (read)
  int64_t FirstVisibleLine() const { return FFirstVisibleLine; }
  int64_t FirstVisiblePix() const { return FFirstVisiblePix; }
  int64_t LeftBarWidth() const { return FLeftBarWidth; }
  int64_t FontWidth() const { return FFontWidth; }
  int64_t LineHeight() const { return FLineHeight; }
  int64_t Ascent() const { return FAscent; }
  int64_t Descent() const { return FDescent; }
  int64_t Leading() const { return FLeading; }
  int64_t VisibleLineCount() const { return FVisibleLineCount; }
  int64_t VisibleByteCount() const { return FVisibleByteCount; }
  int64_t ShowRulerRows() const { return FShowRuler; }
  const QFont& EditorFont() const { return FFont; }
  // Client (viewport) rectangle of display row r's text band.
  int64_t RowTop(int64_t r) const { return (r - FFirstVisibleLine + FShowRuler) * FLineHeight; }
  // Client x of the character at pixel offset p of a row.
  int64_t TextX(int64_t p) const { return FLeftBarWidth + 5 + p - FFirstVisiblePix; }

  // Paints the whole client area as a paint request would, but without the
  // caret and the input method's composition, and returns it.
  QImage RenderView();
  // How many full repaints were requested since construction (for tests of
  // what a change repaints).
  int64_t FullRepaints() const { return FFullRepaints; }
  // The rectangles invalidated since the last call.
  QRegion TakeInvalidated();

 signals:
  void ViewChanged();
  void ModifiedChanged();
  void FilesDroped(const QStringList& Files);
  void RulerDown(qint64 Col);
  void RulerMove(qint64 Col);
  void RulerUp(qint64 Col);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  // Opens a link or an existing path with the desktop's handler.
  virtual void OpenJumpTarget(const std::u16string& target);
  // Runs the drag loop and answers the action the target took.
  virtual Qt::DropAction ExecDrag(QDrag& drag);
  void scrollContentsBy(int dx, int dy) override;

  bool UpdateWrapWidth();
  void UpdateFontMetrics();
  void UpdateLeftBarWidth();
  void UpdateScrollBars();
  void RepaintAll();
  void InvalidateRect(const QRect& r);

  std::unique_ptr<TNotePadString> FNotePadString;
  TNotePadString* FStr = nullptr;
  TNotePadOptions FOptions;

 private:
  void OnDocumentChanged();
  void OnDocumentNeedParse();
  void AttachModified();
  TScrollState ScrollState() const;
  bool ApplyScroll(const TScrollPosition& p);
  void OnVerticalAction(int action);
  void OnHorizontalAction(int action);
  void EndPanning();
  void PaintCaretAndPreedit(QPainter& p);
  void InitInput();
  void LeftPress(QMouseEvent* event);
  void InsertTyped(char16_t c);
  void HandleKeyMessage(const TKeyMessage& msg);
  void ResendKey(const TKeyMessage& msg);
  void SelectScrollStep();
  void DragOver(QPoint pt);
  void EndDragOver();

  // Painting (notepad_paint.cpp).
  static void MarkBackgroundStale();
  bool EnsureBackBuffer(bool dropIfSmall);
  void PrepareBackground();
  void PaintAll(QPainter& p, const QRegion& region);
  void PaintRuler(QPainter& p, const QRect& rect);
  void PaintLine(QPainter& p, int64_t i, int64_t r, bool caretRow);
  const QFont& StyledFont(TFontStyles style);
  void DrawRun(QPainter& p, TFontStyles style, int64_t x, int64_t baseline, std::u16string_view run);

  int64_t FFirstVisiblePix = 0;
  int64_t FFirstVisibleLine = 0;
  int64_t FLeftBarWidth = 0;
  TWordWrap FWordWrap = wwNone;
  int64_t FWordWrapCount = 70;
  int64_t FShowLeftBar = 1;
  int64_t FShowRuler = 1;
  bool FModified = false;
  int64_t FColKeeping = -1;
  bool FCaretHided = true;
  int64_t FFontWidth = 8;
  int64_t FLineHeight = 16;
  int64_t FAscent = 12;
  int64_t FDescent = 4;
  int64_t FLeading = 0;
  int64_t FLineSelect = -1;
  bool FRulerDrag = false;
  int64_t FVisibleByteCount = 20;
  int64_t FVisibleLineCount = 5;
  const TNotePadMode* FCurrentMode = nullptr;
  uint8_t FCodePage = 0;
  bool FFontChanged = false;
  bool FForceScroll = false;
  bool FCompleting = false;
  int16_t FMouseWheelDelta = 0;
  QFont FFont;
  std::u16string FSearchText;
  bool FSearchIgCase = false;
  uint8_t FAlphaBlend = 70;
  int64_t FSubSelectStart = -1;
  int64_t FSubSelectEnd = -1;

  // Scroll-bar updates that come from the view itself are not requests.
  bool FSettingBars = false;
  // Panning with the middle button.
  QTimer FPanTimer;
  QPoint FPanStart;
  // The small window that marks where panning started.
  QWidget* FPanMark = nullptr;
  bool FPanVertical = false;
  // Style variants of the editor font, by style bits (bold, italic, strike-out).
  std::array<std::unique_ptr<QFont>, 16> FStyledFonts;
  std::array<std::unique_ptr<QRawFont>, 16> FRawFonts;
  // The background picture as loaded, and the path it came from.
  QImage FPicture;
  std::u16string FPicturePath;
  // The parser of the paint in progress and its target.
  TNotePadParser* FPaintParser = nullptr;
  int64_t FFullRepaints = 0;
  QRegion FInvalidated;

  // Caret, keys, mouse and input method (notepad_input.cpp).
  std::unique_ptr<TNotePadInputHost> FInputHost;
  std::unique_ptr<TKeyHandler> FKeys;
  std::unique_ptr<TMouseSelector> FMouse;
  QRect FCaretRect;
  QString FPreedit;
  int FPreeditCursor = 0;
  std::unique_ptr<TInputMethodBridge> FImeBridge;
  // A timed key repeat is being delivered; it carries no character.
  bool FResendingKey = false;
  // Selecting with the left button held since a press in the view, and where
  // the pointer was last; the timer goes on selecting while it is outside.
  bool FLeftCaptured = false;
  QPoint FLastMouse;
  QTimer FSelectScrollTimer;
  // Dragging over the view: the drop position and the pointer.
  bool FDraging = false;
  TNativePoint FDragCaret;
  QPoint FDragPoint;
  QTimer FDragScrollTimer;
  const QMimeData* FOwnDrag = nullptr;
  TDropEffect FDropEntered = deNone;
  friend class TNotePadInputHost;
};

}  // namespace kelp
