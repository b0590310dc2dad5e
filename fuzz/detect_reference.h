#pragma once
// A plain transcription of the detection rules, one candidate step per byte
// with no shortcuts, for the fuzzer to compare DetectCode against.

#include <cstddef>
#include <string_view>

#include "encoding/detect_code.h"

namespace kelp::reference {

namespace detail {

inline bool IsBase64(unsigned char b) {
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '+' || b == '/';
}

// Characters UTF-7 writes as themselves.
inline bool IsUtf7Direct(unsigned char b) {
  if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) return true;
  switch (b) {
    case '\t':
    case '\n':
    case '\r':
    case ' ':
    case '\'':
    case '(':
    case ')':
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case '?':
      return true;
    default:
      return false;
  }
}

inline bool InRange(unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

// One multi-byte candidate: where it reads next, and how many bytes it has
// read inside multi-byte characters.
struct Candidate {
  bool alive = true;
  size_t pos = 0;
  size_t count = 0;
};

// Reads one UTF-8 character at c.pos; returns false when it is not well formed.
inline bool StepUtf8(const unsigned char* b, size_t n, Candidate& c) {
  const size_t p = c.pos;
  const unsigned char lead = b[p];
  if (lead < 0x80) {
    c.pos = p + 1;
    return true;
  }
  size_t len;
  unsigned lo = 0x80, hi = 0xBF;
  if (InRange(lead, 0xC2, 0xDF)) {
    len = 2;
  } else if (lead == 0xE0) {
    len = 3, lo = 0xA0;
  } else if (InRange(lead, 0xE1, 0xEF)) {
    len = 3;
  } else if (lead == 0xF0) {
    len = 4, lo = 0x90;
  } else if (InRange(lead, 0xF1, 0xF3)) {
    len = 4;
  } else if (lead == 0xF4) {
    len = 4, hi = 0x8F;
  } else {
    return false;
  }
  if (p + len > n) return false;
  if (!InRange(b[p + 1], lo, hi)) return false;
  for (size_t k = 2; k < len; ++k)
    if (!InRange(b[p + k], 0x80, 0xBF)) return false;
  c.count += len;
  c.pos = p + len;
  return true;
}

inline bool StepShiftJis(const unsigned char* b, size_t n, Candidate& c) {
  const size_t p = c.pos;
  const unsigned char lead = b[p];
  if (lead <= 0x80 || InRange(lead, 0xA0, 0xDF)) {
    c.pos = p + 1;
    return true;
  }
  if (lead >= 0xFD) return false;
  if (p + 1 >= n) return false;
  const unsigned char trail = b[p + 1];
  if (!InRange(trail, 0x40, 0x7E) && !InRange(trail, 0x80, 0xFC)) return false;
  c.count += 2;
  c.pos = p + 2;
  return true;
}

inline bool StepEuc(const unsigned char* b, size_t n, Candidate& c) {
  const size_t p = c.pos;
  const unsigned char lead = b[p];
  if (lead < 0x80) {
    c.pos = p + 1;
    return true;
  }
  if (lead == 0x8E) {
    if (p + 1 >= n || !InRange(b[p + 1], 0xA1, 0xDF)) return false;
    c.count += 2;
    c.pos = p + 2;
    return true;
  }
  if (lead == 0x8F) {
    if (p + 2 >= n || !InRange(b[p + 1], 0xA1, 0xFE) || !InRange(b[p + 2], 0xA1, 0xFE)) return false;
    c.count += 3;
    c.pos = p + 3;
    return true;
  }
  if (lead >= 0xA1) {
    if (p + 1 >= n || !InRange(b[p + 1], 0xA1, 0xFE)) return false;
    c.count += 2;
    c.pos = p + 2;
    return true;
  }
  return false;
}

inline bool IsJisDesignation(unsigned char b1, unsigned char b2) {
  if (b1 == 0x24) return b2 == 0x28 || b2 == 0x40 || b2 == 0x42;
  if (b1 == 0x28) return b2 == 0x42 || b2 == 0x49 || b2 == 0x4A;
  return false;
}

}  // namespace detail
using namespace detail;

inline int ReferenceDetectCode(std::string_view bytes, size_t len) {
  const size_t n = len < bytes.size() ? len : bytes.size();
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());

  Candidate utf8, sjis, euc;
  int live = 3;
  bool utf7Alive = true;
  size_t utf7Pos = 0;
  size_t utf7Total = 0;
  bool utf7SeenRun = false;
  bool eightBit = false;

  auto kill = [&](Candidate& c) {
    c.alive = false;
    --live;
  };

  for (size_t i = 0; i < n; ++i) {
    if (!eightBit) {
      if (b[i] >= 0x80) {
        eightBit = true;
      } else if (b[i] == 0x1B && i + 2 < n && IsJisDesignation(b[i + 1], b[i + 2])) {
        return kDetectJis;
      } else if (utf7Alive && utf7Pos <= i) {
        const size_t p = utf7Pos;
        utf7Pos = p + 1;
        if (b[p] == '+') {
          size_t j = p + 1;
          while (j < n && IsBase64(b[j])) ++j;
          const size_t chars = j - (p + 1);
          if (j < n && b[j] == '-' && (6 * chars) % 16 < 6) {
            if (utf7SeenRun) return kDetectUtf7;
            utf7SeenRun = true;
            utf7Pos = j + 1;
            utf7Total += j + 1 - p;
          } else {
            utf7Alive = false;
          }
        } else if (!IsUtf7Direct(b[p])) {
          utf7Alive = false;
        }
      }
    }
    if (utf8.alive && utf8.pos <= i && !StepUtf8(b, n, utf8)) kill(utf8);
    if (sjis.alive && sjis.pos <= i && !StepShiftJis(b, n, sjis)) kill(sjis);
    if (euc.alive && euc.pos <= i && !StepEuc(b, n, euc)) kill(euc);

    if (eightBit && live <= 1) {
      if (utf8.alive) return kDetectUtf8;
      if (sjis.alive) return kDetectShiftJis;
      if (euc.alive) return kDetectEuc;
      int r = kDetectNoFit;
      if (utf7Total > 0) r = kDetectUtf7;
      if (utf8.count > utf7Total) r = kDetectUtf8;
      if (sjis.count > utf7Total && sjis.count > utf8.count) r = kDetectShiftJis;
      if (euc.count > utf7Total && euc.count > utf8.count && euc.count > sjis.count) return kDetectEuc;
      return r;
    }
  }

  if (!eightBit && utf7Alive && utf7Total > 0) return kDetectUtf7;
  int r = eightBit ? kDetectNoFit : kDetect7Bit;
  if (utf8.alive && utf8.count > 0) r = kDetectUtf8;
  if (sjis.alive && sjis.count > utf8.count) r = kDetectShiftJis;
  if (euc.alive && euc.count > utf8.count && euc.count > sjis.count) r = kDetectEuc;
  return r;
}

}  // namespace kelp::reference
