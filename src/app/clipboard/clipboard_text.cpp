#include "app/clipboard/clipboard_text.h"

#include <QGuiApplication>
#include <QMimeData>

namespace kelp {

namespace {

QClipboard* Clipboard() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  return QGuiApplication::clipboard();
}

}  // namespace

QString ToQString(std::u16string_view s) {
  return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::u16string FromQString(const QString& s) { return s.toStdU16String(); }

bool ClipboardSetText(std::u16string_view text, bool box, QClipboard::Mode mode) {
  if (text.empty()) return false;
  QClipboard* cb = Clipboard();
  if (cb == nullptr) return false;
  auto* data = new QMimeData;
  data->setText(ToQString(text));
  if (box) {
    // The markers carry the same UTF-16 text with its terminating zero.
    std::u16string block(text);
    block.push_back(u'\0');
    const QByteArray bytes(reinterpret_cast<const char*>(block.data()),
                           static_cast<qsizetype>(block.size() * sizeof(char16_t)));
    data->setData(kBoxMarkerMsdev, bytes);
    data->setData(kBoxMarkerTEditor, bytes);
    data->setData(kBoxMarkerRectangular, QByteArray());
  }
  cb->setMimeData(data, mode);
  return true;
}

std::u16string ClipboardGetText(QClipboard::Mode mode) {
  QClipboard* cb = Clipboard();
  if (cb == nullptr) return {};
  const QMimeData* data = cb->mimeData(mode);
  if (data == nullptr || !data->hasText()) return {};
  std::u16string text = FromQString(data->text());
  // A terminating zero some programs leave in the text is no part of it.
  while (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

bool ClipboardHasBox(QClipboard::Mode mode) {
  QClipboard* cb = Clipboard();
  if (cb == nullptr) return false;
  const QMimeData* data = cb->mimeData(mode);
  if (data == nullptr) return false;
  return data->hasFormat(kBoxMarkerMsdev) || data->hasFormat(kBoxMarkerTEditor) ||
         data->hasFormat(kBoxMarkerRectangular);
}

bool ClipboardHasText(QClipboard::Mode mode) {
  QClipboard* cb = Clipboard();
  if (cb == nullptr) return false;
  const QMimeData* data = cb->mimeData(mode);
  return data != nullptr && data->hasText();
}

}  // namespace kelp
