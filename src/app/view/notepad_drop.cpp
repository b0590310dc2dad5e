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
  auto* d = new TDDString(FStr->SelText());
  FOwnDrag = d;
  return d;
}

void TNotePad::StartDrag() {
  if (FStr->SelStart() == FStr->SelEnd()) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(DragData());
  FDroppedHere = false;
  const Qt::DropAction r = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
  // Moved into another window: the text leaves this one.
  if (r == Qt::MoveAction && !FDroppedHere && !FStr->BoxMode()) FStr->SetSelText(u"");
  FOwnDrag = nullptr;
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
  const QPoint pt = event->position().toPoint();
  const int step = DragScrollStep(InputGeometry(), pt.y(), viewport()->height());
  if (step != 0) VScroll(step < 0 ? scLineUp : scLineDown);
  if (e == deNone || (d.Kind != TDropKind::Files &&
                      !DropTextAllowed(*FStr, DropCaretAt(*FStr, InputGeometry(), pt.x(), pt.y()))))
    return event->ignore();
  event->setDropAction(ToDropAction(e));
  event->accept();
}

void TNotePad::dragLeaveEvent(QDragLeaveEvent* event) {
  FDropEntered = deNone;
  event->accept();
}

void TNotePad::dropEvent(QDropEvent* event) {
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
  FDroppedHere = own;
  setFocus(Qt::OtherFocusReason);
  event->setDropAction(own && e == deMove ? Qt::MoveAction : Qt::CopyAction);
  event->accept();
}

}  // namespace kelp
