#include "app/clipboard/drag_data.h"

#include <QUrl>

#include "app/clipboard/clipboard_text.h"

namespace kelp {

TDDString::TDDString(std::u16string text) : FData(std::move(text)) { setText(ToQString(FData)); }

namespace {

// The first line of a link format's UTF-16 data ("url\ntitle").
QString LinkFromMozData(const QByteArray& bytes) {
  QString s = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
  const qsizetype nl = s.indexOf(u'\n');
  if (nl >= 0) s.truncate(nl);
  while (s.endsWith(QChar(u'\0'))) s.chop(1);
  return s;
}

}  // namespace

TDropData ClassifyDrop(const QMimeData* data) {
  TDropData r;
  if (data == nullptr) return r;
  const QList<QUrl> urls = data->hasUrls() ? data->urls() : QList<QUrl>();
  if (!urls.isEmpty()) {
    bool allFiles = true;
    for (const QUrl& u : urls) allFiles = allFiles && u.isLocalFile();
    if (allFiles) {
      r.Kind = TDropKind::Files;
      for (const QUrl& u : urls) r.Files.push_back(FromQString(u.toLocalFile()));
      return r;
    }
  }
  const bool link = !urls.isEmpty() || data->hasFormat(kLinkFormatWindows) ||
                    data->hasFormat(kLinkFormatMoz) || data->hasFormat(kLinkFormatNetscape);
  if (link) {
    r.Kind = TDropKind::Link;
    QString text;
    if (data->hasFormat(QStringLiteral("text/plain"))) {
      text = data->text();
    } else if (!urls.isEmpty()) {
      QStringList all;
      for (const QUrl& u : urls) all << u.toString();
      text = all.join(u'\n');
    } else if (data->hasFormat(kLinkFormatMoz)) {
      text = LinkFromMozData(data->data(kLinkFormatMoz));
    } else if (data->hasFormat(kLinkFormatNetscape)) {
      text = QString::fromUtf8(data->data(kLinkFormatNetscape)).section(u'\n', 0, 0);
    }
    r.Text = FromQString(text);
    return r;
  }
  if (data->hasText()) {
    r.Kind = TDropKind::Text;
    r.Text = FromQString(data->text());
  }
  return r;
}

Qt::DropAction ToDropAction(TDropEffect effect) {
  switch (effect) {
    case deCopy:
      return Qt::CopyAction;
    case deMove:
      return Qt::MoveAction;
    case deLink:
      return Qt::LinkAction;
    case deNone:
      break;
  }
  return Qt::IgnoreAction;
}

}  // namespace kelp
