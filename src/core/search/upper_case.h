#pragma once
// Per-code-unit upper-casing of UTF-16 text, the folding used by the literal
// search when it ignores case. Each code unit of the Basic Multilingual Plane
// maps to its simple Unicode upper-case form when that form is one code unit
// (ASCII, Latin-1 and the Latin extensions, Greek, Cyrillic, Armenian,
// Georgian, Glagolitic, Cherokee, the full-width Latin letters and so on);
// everything else, surrogates included, maps to itself. No folding that
// changes length is done: "ß" stays "ß", and half-width and full-width forms,
// hiragana and katakana stay distinct.

#include <array>
#include <string>

namespace kelp {

extern const std::array<char16_t, 65536> kUpperCaseUnits;

inline char16_t UpperCaseUnit(char16_t c) { return kUpperCaseUnits[c]; }

// Upper-cases every code unit of s in place.
void UpperCaseInPlace(std::u16string& s);

}  // namespace kelp
