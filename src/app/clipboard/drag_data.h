#pragma once
// The data of drags: what the editor offers when its selection is dragged
// out, and what a drop onto it carries (text, a link or files).

#include <QMimeData>
#include <string>
#include <vector>

#include "input/drop_rules.h"

namespace kelp {

// The data of a drag that the editor started: its selected text. The drop
// side recognises its own drag by this object.
class TDDString : public QMimeData {
 public:
  explicit TDDString(std::u16string text);
  const std::u16string& Data() const { return FData; }

 private:
  std::u16string FData;
};

// Formats that mark the data as a link rather than plain text.
inline const QString kLinkFormatWindows = QStringLiteral("UniformResourceLocator");
inline const QString kLinkFormatMoz = QStringLiteral("text/x-moz-url");
inline const QString kLinkFormatNetscape = QStringLiteral("_NETSCAPE_URL");

struct TDropData {
  TDropKind Kind = TDropKind::None;
  std::u16string Text;                // Text and Link: the text to insert
  std::vector<std::u16string> Files;  // Files: every path, in order
};

// What dropped data is. URLs that are all local files are a file drop (file
// managers offer them as text too); other URLs, or a link format, are a link,
// whose text is inserted; plain text is text.
TDropData ClassifyDrop(const QMimeData* data);

Qt::DropAction ToDropAction(TDropEffect effect);

}  // namespace kelp
