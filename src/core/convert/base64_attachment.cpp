#include "convert/base64_attachment.h"

namespace kelp {
namespace {

int Base64Value(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c - u'A';
  if (c >= u'a' && c <= u'z') return c - u'a' + 26;
  if (c >= u'0' && c <= u'9') return c - u'0' + 52;
  if (c == u'+') return 62;
  if (c == u'/') return 63;
  return -1;
}

bool IsAccepted(char16_t c) {
  return Base64Value(c) >= 0 || std::u16string_view(u"'(),-.:=?").find(c) != std::u16string_view::npos;
}

}  // namespace

TBase64Attachment ExtractBase64Attachment(std::u16string_view text) {
  std::u16string collected;
  for (const char16_t c : text) {
    if (c >= 1 && c <= 32) continue;
    if (!IsAccepted(c)) return {TBase64Status::InvalidChar, {}};
    collected.push_back(c);
  }
  if (collected.empty()) return {TBase64Status::NotBase64, {}};
  TBase64Attachment result{TBase64Status::Ok, {}};
  uint32_t bits = 0;
  int nbits = 0;
  for (const char16_t c : collected) {
    const int v = Base64Value(c);
    if (v < 0) break;  // the data ends at the first character that is not a Base64 letter
    bits = (bits << 6) | static_cast<uint32_t>(v);
    nbits += 6;
    if (nbits >= 8) {
      nbits -= 8;
      result.Bytes.push_back(static_cast<char>((bits >> nbits) & 0xFF));
      bits &= (1u << nbits) - 1;
    }
  }
  if (result.Bytes.empty()) result.Status = TBase64Status::CannotConvert;
  return result;
}

}  // namespace kelp
