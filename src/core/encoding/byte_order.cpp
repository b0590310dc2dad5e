#include "encoding/byte_order.h"

#include "encoding/code_page.h"

namespace kelp {

namespace {

unsigned char At(std::string_view bytes, size_t i) { return static_cast<unsigned char>(bytes[i]); }

}  // namespace

TFileCode SniffUtf16(std::string_view bytes) {
  if (bytes.size() < 2) return fcNONE;
  const unsigned char b0 = At(bytes, 0), b1 = At(bytes, 1);
  const bool marks = b0 >= 0xFE && b1 >= 0xFE;
  const bool oneZero = (b0 == 0) != (b1 == 0);
  if (!marks && !oneZero) return fcNONE;
  if ((b0 == 0xFE && b1 == 0xFF) || b0 == 0) return fcBIGEND;
  return fcUNICODE;
}

bool HasUtf8ByteOrderMark(std::string_view bytes) {
  return bytes.size() > 2 && At(bytes, 0) == 0xEF && At(bytes, 1) == 0xBB && At(bytes, 2) == 0xBF;
}

TFileCode SniffByteOrder(std::string_view bytes) {
  const TFileCode utf16 = SniffUtf16(bytes);
  if (utf16 != fcNONE) return utf16;
  return HasUtf8ByteOrderMark(bytes) ? fcUTF8W : fcNONE;
}

TFileCode ByteOrderMarkOf(std::string_view bytes) {
  if (bytes.size() >= 2 && At(bytes, 0) == 0xFF && At(bytes, 1) == 0xFE) return fcUNICODE;
  if (bytes.size() >= 2 && At(bytes, 0) == 0xFE && At(bytes, 1) == 0xFF) return fcBIGEND;
  if (bytes.size() >= 3 && At(bytes, 0) == 0xEF && At(bytes, 1) == 0xBB && At(bytes, 2) == 0xBF)
    return fcUTF8W;
  return fcNONE;
}

std::u16string DecodeWithByteOrderMark(std::string_view bytes, TFileCode& found, int fallbackCodePage) {
  found = ByteOrderMarkOf(bytes);
  switch (found) {
    case fcUNICODE:
      return Utf16LeToUnicode(bytes.substr(2));
    case fcBIGEND:
      return Utf16BeToUnicode(bytes.substr(2));
    case fcUTF8W:
      return CodePageToUnicode(kCodePageUtf8, bytes.substr(3));
    default:
      return CodePageToUnicode(fallbackCodePage, bytes);
  }
}

std::u16string Utf16LeToUnicode(std::string_view bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>(At(bytes, 2 * i) | (At(bytes, 2 * i + 1) << 8));
  return out;
}

std::u16string Utf16BeToUnicode(std::string_view bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char16_t>((At(bytes, 2 * i) << 8) | At(bytes, 2 * i + 1));
  return out;
}

}  // namespace kelp
