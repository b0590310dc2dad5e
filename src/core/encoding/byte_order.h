#pragma once
// Byte-order marks and the UTF-16 sniff that come before byte-level detection.

#include <string>
#include <string_view>

#include "encoding/file_code.h"

namespace kelp {

// The UTF-16 sniff. With at least 2 bytes, the data is UTF-16 when both of the
// first two bytes are FE or FF (FF FE, FE FF, FE FE, FF FF), or exactly one of
// them is 0. It is big-endian (fcBIGEND) when it starts with FE FF or with a 0
// byte, otherwise little-endian (fcUNICODE). Anything else gives fcNONE.
TFileCode SniffUtf16(std::string_view bytes);

// True when the data has more than 2 bytes and starts with EF BB BF.
bool HasUtf8ByteOrderMark(std::string_view bytes);

// The first two steps of reading with detection: the UTF-16 sniff, then the
// UTF-8 mark. fcUNICODE, fcBIGEND, fcUTF8W, or fcNONE when the bytes must be
// left to DetectCode.
TFileCode SniffByteOrder(std::string_view bytes);

// Only real byte-order marks: FF FE gives fcUNICODE, FE FF fcBIGEND, EF BB BF
// fcUTF8W; anything else fcNONE.
TFileCode ByteOrderMarkOf(std::string_view bytes);

// Decodes data that may carry a real byte-order mark (see ByteOrderMarkOf):
// the mark is dropped and the rest decoded as UTF-16 or UTF-8; data without a
// mark is decoded with the code page `fallbackCodePage` (932 unless told).
// `found` receives the mark's TFileCode, or fcNONE.
std::u16string DecodeWithByteOrderMark(std::string_view bytes, TFileCode& found, int fallbackCodePage = 932);

// Little-endian UTF-16 bytes as code units; an odd final byte is dropped.
std::u16string Utf16LeToUnicode(std::string_view bytes);
// Big-endian UTF-16 bytes as code units; an odd final byte is dropped.
std::u16string Utf16BeToUnicode(std::string_view bytes);

}  // namespace kelp
