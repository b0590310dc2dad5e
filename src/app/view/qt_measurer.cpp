#include "app/view/qt_measurer.h"

#include <QFontDatabase>
#include <QStringList>

namespace kelp {

int64_t TQtTextMeasurer::TextPixelWidth(std::u16string_view text) const {
  return metrics_.horizontalAdvance(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

namespace {

bool IsDoubleWidthFace(const QString& family) {
  QFont f(family, 10);
  const QFontMetrics fm(f);
  const int narrow = fm.horizontalAdvance(QLatin1Char('0'));
  return narrow > 0 && fm.horizontalAdvance(QChar(0x3042)) == 2 * narrow &&
         fm.horizontalAdvance(QLatin1Char('i')) == narrow;
}

QString ChooseDefaultFace() {
  const QStringList installed = QFontDatabase::families();
  const QString preferred[] = {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                               QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic"),
                               QStringLiteral("TakaoGothic")};
  for (const QString& face : preferred)
    if (installed.contains(face, Qt::CaseInsensitive)) return face;
  for (const QString& face : QFontDatabase::families(QFontDatabase::Japanese))
    if (IsDoubleWidthFace(face)) return face;
  return QStringLiteral("IPAGothic");
}

}  // namespace

const TFontSpec& DefaultEditorFont() {
  static const TFontSpec spec = [] {
    TFontSpec s;
    s.Name = ChooseDefaultFace().toStdU16String();
    s.Size = 10;
    s.Charset = CharsetOfFont(s.Name);
    return s;
  }();
  return spec;
}

QFont QFontFromSpec(const TFontSpec& spec) {
  QFont f(QString::fromStdU16String(spec.Name));
  f.setPointSize(static_cast<int>(spec.Size > 0 ? spec.Size : 10));
  f.setBold((spec.Style & fsBold) != 0);
  f.setItalic((spec.Style & fsItalic) != 0);
  f.setUnderline((spec.Style & fsUnderline) != 0);
  f.setStrikeOut((spec.Style & fsStrikeOut) != 0);
  f.setKerning(false);
  f.setStyleStrategy(QFont::PreferDefault);
  return f;
}

TFontSpec SpecFromQFont(const QFont& font) {
  TFontSpec s;
  s.Name = font.family().toStdU16String();
  s.Size = font.pointSize() > 0 ? font.pointSize() : 10;
  s.Style =
      static_cast<TFontStyles>((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                               (font.underline() ? fsUnderline : 0) | (font.strikeOut() ? fsStrikeOut : 0));
  s.Charset = CharsetOfFont(s.Name);
  return s;
}

int64_t CharsetOfFont(std::u16string_view faceName) {
  const QString face =
      QString::fromUtf16(faceName.data(), static_cast<qsizetype>(std::min<size_t>(faceName.size(), 31)));
  if (face.isEmpty() || !QFontDatabase::families().contains(face, Qt::CaseInsensitive)) return 1;
  return QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese) ? 128 : 1;
}

}  // namespace kelp
