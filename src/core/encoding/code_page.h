#pragma once
// The platform code-page conversions, a thin layer over iconv: code pages
// 932, 936, 949, 950, 1251 and 1252, UTF-7 and UTF-8. Neither direction ever
// fails or stops early.

#include <string>
#include <string_view>

namespace kelp {

inline constexpr int kCodePageUtf7 = 65000;
inline constexpr int kCodePageUtf8 = 65001;

// True for 932, 936, 949, 950, 1251, 1252, kCodePageUtf7 and kCodePageUtf8.
// Every other number is treated as 932 by the functions below.
bool IsSupportedCodePage(int codePage);

// Decodes bytes to UTF-16. Bytes the code page does not define become U+FFFD,
// one per byte, except where the Windows tables define single bytes that
// iconv rejects: in 932, 80, A0 and FD to FF give U+0080, U+F8F0 and U+F8F1
// to U+F8F3; in 1252 and 1251 the undefined bytes give the code unit of the
// same value; in UTF-7 an ASCII byte that does not fit (such as "\\" or "~"
// outside a shifted run) stays itself.
// Code page 950 is iconv's BIG5.
std::u16string CodePageToUnicode(int codePage, std::string_view bytes);

// Encodes UTF-16. A character the code page cannot hold, or one that would
// come back as another character when decoded (iconv maps U+301C, U+2016,
// U+2212, U+00A5 and others to look-alikes), is written as "?" and sets
// *usedDefault. Surrogate pairs count as one character. The UTF encodings hold
// every character; a lone surrogate is written as U+FFFD there and also sets
// *usedDefault. *usedDefault is never cleared, so it can collect several calls.
std::string UnicodeToCodePage(int codePage, std::u16string_view text, bool* usedDefault = nullptr);

// Whether the code unit comes back unchanged from encoding and decoding in the
// code page. ASCII always does; surrogate halves never do in the legacy code
// pages, and always do in the UTF encodings (as part of their pair).
bool CodeUnitRoundTrips(int codePage, char16_t c);

}  // namespace kelp
