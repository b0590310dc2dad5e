#pragma once
// Text on the system clipboard. A box (rectangular) copy carries, beside the
// text, the markers that other editors use for rectangular copies; any one of
// them on the clipboard makes a paste a box paste.

#include <QClipboard>
#include <QString>
#include <string>
#include <string_view>

namespace kelp {

inline const QString kBoxMarkerMsdev = QStringLiteral("MSDEVColumnSelect");
inline const QString kBoxMarkerTEditor = QStringLiteral("TEditor Box Type");
// Carried empty.
inline const QString kBoxMarkerRectangular = QStringLiteral("text/x-rectangular-marker");

// Puts text on the clipboard, with the box markers when `box` is set. Empty
// text is refused; so is any text when there is no clipboard.
bool ClipboardSetText(std::u16string_view text, bool box, QClipboard::Mode mode = QClipboard::Clipboard);
// The clipboard's text, or empty.
std::u16string ClipboardGetText(QClipboard::Mode mode = QClipboard::Clipboard);
// The clipboard holds a box copy.
bool ClipboardHasBox(QClipboard::Mode mode = QClipboard::Clipboard);
// The clipboard offers text.
bool ClipboardHasText(QClipboard::Mode mode = QClipboard::Clipboard);

QString ToQString(std::u16string_view s);
std::u16string FromQString(const QString& s);

}  // namespace kelp
