#pragma once
// Extracting a Base64-encoded attachment from text.

#include <string>
#include <string_view>

namespace kelp {

enum class TBase64Status {
  Ok,
  InvalidChar,    // "不正な文字が含まれています"
  NotBase64,      // "Base64文字列ではありません"
  CannotConvert,  // "変換できません"
};

inline constexpr std::u16string_view kBase64InvalidCharMessage = u"不正な文字が含まれています";
inline constexpr std::u16string_view kBase64NotBase64Message = u"Base64文字列ではありません";
inline constexpr std::u16string_view kBase64CannotConvertMessage = u"変換できません";

struct TBase64Attachment {
  TBase64Status Status = TBase64Status::NotBase64;
  std::string Bytes;  // the decoded data when Status is Ok
};

// Collects the characters A-Z a-z 0-9 ' ( ) + , - . / : = ? of the text,
// skipping controls and blanks (U+0001 ... U+0020); any other character is
// refused. The Base64 data is the run of Base64 letters (A-Z a-z 0-9 + /) up to
// the first other collected character, such as the "=" padding; its bytes are
// decoded in full, an odd count of bytes included.
TBase64Attachment ExtractBase64Attachment(std::u16string_view text);

}  // namespace kelp
