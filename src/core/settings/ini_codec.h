#pragma once
// The byte-level codecs of the settings files: UTF-7 for free text and the
// whole file's text with byte-order-mark detection.

#include <optional>
#include <string>
#include <string_view>

namespace kelp {

// UTF-7 (RFC 2152) of the text, ASCII only. Control characters other than TAB
// are always base64-encoded, so that the result never holds a line break.
std::string IniUtf7Encode(std::u16string_view text);

// UTF-7 decoding: nullopt when the bytes are not well-formed UTF-7 (or decode
// to U+FFFD, which the platform decoder gives for ill-formed input).
std::optional<std::u16string> IniUtf7Decode(std::string_view bytes);

// The text of a settings file: UTF-16 LE/BE and UTF-8 with their marks; a file
// without mark is UTF-8 when it is valid UTF-8, otherwise Shift_JIS (code page
// 932), the code page of files written by earlier versions.
std::u16string DecodeIniFileBytes(std::string_view bytes);

// The bytes written for a settings file: UTF-8 without mark.
std::string EncodeIniFileText(std::u16string_view text);

}  // namespace kelp
