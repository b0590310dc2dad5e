// Dragging the selection out of the editor view and dropping text, links and
// files onto it.

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QStringList>

#include "app/clipboard/drag_data.h"
#include "app/view/notepad.h"
#include "input/drop_rules.h"

namespace kelp {

QMimeData* TNotePad::DragData() {
  auto* d = new TDDString(FStr->SelTextIf());
  FOwnDrag = d;
  return d;
}

Qt::DropAction TNotePad::ExecDrag(QDrag& drag) {
  return drag.exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

void TNotePad::StartDrag() {
  if (FStr->SelStart() == FStr->SelEnd()) return;
  // The drag ends the selecting press.
  FLeftCaptured = false;
  FSelectScrollTimer.stop();
  auto* drag = new QDrag(this);
  drag->setMimeData(DragData());
  // What the target did is not used: a move within the view is done by the
  // drop, and a move into another window leaves the text here.
  ExecDrag(*drag);
  drag->deleteLater();
  FOwnDrag = nullptr;
  EndDragOver();
}

void TNotePad::DragOver(QPoint pt) {
  FDragPoint = pt;
  const int step = DragScrollStep(InputGeometry(), pt.y(), viewport()->height());
  if (step != 0) VScroll(step < 0 ? scLineUp : scLineDown);
  FDragCaret = DropCaretAt(*FStr, InputGeometry(), pt.x(), pt.y());
  FDraging = true;
  if (!FDragScrollTimer.isActive()) FDragScrollTimer.start();
  UpdateCaret();
}

void TNotePad::EndDragOver() {
  FDragScrollTimer.stop();
  if (!FDraging) return;
  FDraging = false;
  UpdateCaret();
}

static bool CtrlHeld(const QDropEvent* e) { return e->modifiers() & Qt::ControlModifier; }

void TNotePad::dragEnterEvent(QDragEnterEvent* event) {
  const TDropData d = ClassifyDrop(event->mimeData());
  const bool own = FOwnDrag && event->mimeData() == FOwnDrag;
  FDropEntered = DropEnterEffect(d.Kind, true, own, CtrlHeld(event), FStr->BoxMode());
  if (FDropEntered == deNone) return event->ignore();
  event->setDropAction(ToDropAction(FDropEntered));
  event->accept();
}

void TNotePad::dragMoveEvent(QDragMoveEvent* event) {
  const TDropData d = ClassifyDrop(event->mimeData());
  const bool own = FOwnDrag && event->mimeData() == FOwnDrag;
  const TDropEffect e = DropOverEffect(FDropEntered, d.Kind, own, CtrlHeld(event));
  if (e == deNone) return event->ignore();
  // Files are dropped anywhere; text where the drag caret shows.
  if (d.Kind != TDropKind::Files) {
    DragOver(event->position().toPoint());
    if (!DropTextAllowed(*FStr, FDragCaret)) return event->ignore();
  }
  event->setDropAction(ToDropAction(e));
  event->accept();
}

void TNotePad::dragLeaveEvent(QDragLeaveEvent* event) {
  FDropEntered = deNone;
  EndDragOver();
  event->accept();
}

void TNotePad::dropEvent(QDropEvent* event) {
  EndDragOver();
  const TDropData d = ClassifyDrop(event->mimeData());
  const bool own = FOwnDrag && event->mimeData() == FOwnDrag;
  if (d.Kind == TDropKind::Files) {
    QStringList files;
    for (const std::u16string& f : d.Files) files << QString::fromStdU16String(f);
    emit FilesDroped(files);
    event->setDropAction(Qt::CopyAction);
    return event->accept();
  }
  if (d.Kind == TDropKind::None) return event->ignore();
  const QPoint pt = event->position().toPoint();
  const TNativePoint at = DropCaretAt(*FStr, InputGeometry(), pt.x(), pt.y());
  const TDropEffect e = DropOverEffect(DropEnterEffect(d.Kind, true, own, CtrlHeld(event), FStr->BoxMode()),
                                       d.Kind, own, CtrlHeld(event));
  if (e == deNone || !DropTextAllowed(*FStr, at)) return event->ignore();
  FColKeeping = -1;
  DropText(*FStr, at, d.Text, own ? e : deCopy);
  setFocus(Qt::OtherFocusReason);
  event->setDropAction(own && e == deMove ? Qt::MoveAction : Qt::CopyAction);
  event->accept();
}

}  // namespace kelp
