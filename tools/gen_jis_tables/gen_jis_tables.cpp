// Writes the conversion tables of the EUC-JP and ISO-2022-JP codecs as a C++
// source, computed from iconv's CP932 and EUC-JP mappings, and checks the
// counts the tables must have. Exits non-zero (and so fails the build) when a
// count differs or a converter is missing.
//
//   gen_jis_tables OUT.cpp

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 120;  // rows 0x21 to 0x98
constexpr int kCells = 94;  // cells 0x21 to 0x7E

// Decodes `bytes` as one character; 0 when iconv rejects them or gives more
// or less than one UTF-16 code unit.
char16_t DecodeOne(iconv_t cd, const unsigned char* bytes, size_t n) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char in[4];
  std::memcpy(in, bytes, n);
  char* src = in;
  size_t srcLeft = n;
  unsigned char out[16];
  char* dst = reinterpret_cast<char*>(out);
  size_t dstLeft = sizeof out;
  if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) return 0;
  if (srcLeft != 0 || sizeof out - dstLeft != 2) return 0;
  return static_cast<char16_t>(out[0] | (out[1] << 8));
}

// The Shift_JIS code of row r, cell c.
void JisToSjis(int r, int c, unsigned char& s1, unsigned char& s2) {
  s1 = static_cast<unsigned char>(((r + 1) / 2) + (r <= 0x5E ? 0x70 : 0xB0));
  if (r % 2 == 1)
    s2 = static_cast<unsigned char>(c + (c <= 0x5F ? 0x1F : 0x20));
  else
    s2 = static_cast<unsigned char>(c + 0x7E);
}

bool Check(const char* what, int got, int want) {
  if (got == want) return true;
  std::fprintf(stderr, "gen_jis_tables: %s has %d entries, expected %d\n", what, got, want);
  return false;
}

void WriteArray(FILE* f, const char* decl, const std::vector<unsigned>& v) {
  std::fprintf(f, "%s = {", decl);
  for (size_t i = 0; i < v.size(); ++i) {
    if (i % 12 == 0) std::fprintf(f, "\n   ");
    std::fprintf(f, " 0x%04X,", v[i]);
  }
  std::fprintf(f, "\n};\n\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_jis_tables OUT.cpp\n");
    return 2;
  }
  iconv_t sjis = iconv_open("UTF-16LE", "CP932");
  iconv_t euc = iconv_open("UTF-16LE", "EUC-JP");
  if (sjis == reinterpret_cast<iconv_t>(-1) || euc == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "gen_jis_tables: iconv has no CP932 or EUC-JP converter\n");
    return 1;
  }

  // Row table: what code page 932 gives for the Shift_JIS form of each code.
  std::vector<unsigned> rows(kRows * kCells, 0);
  int rowCount = 0;
  for (int r = 0x21; r < 0x21 + kRows; ++r) {
    for (int c = 0x21; c <= 0x7E; ++c) {
      unsigned char s[2];
      JisToSjis(r, c, s[0], s[1]);
      const char16_t u = DecodeOne(sjis, s, 2);
      rows[(r - 0x21) * kCells + (c - 0x21)] = u;
      if (u) ++rowCount;
    }
  }

  // JIS X 0212, from EUC-JP's three-byte form; two codes follow code page 932's
  // choice for the tilde and the broken bar.
  std::vector<unsigned> x0212(kCells * kCells, 0);
  int x0212Count = 0;
  for (int r = 0x21; r <= 0x7E; ++r) {
    for (int c = 0x21; c <= 0x7E; ++c) {
      const unsigned char e[3] = {0x8F, static_cast<unsigned char>(r + 0x80),
                                  static_cast<unsigned char>(c + 0x80)};
      char16_t u = DecodeOne(euc, e, 3);
      if (r == 0x22 && c == 0x37) u = 0xFF5E;
      if (r == 0x22 && c == 0x43) u = 0xFFE4;
      x0212[(r - 0x21) * kCells + (c - 0x21)] = u;
      if (u) ++x0212Count;
    }
  }

  // Single bytes.
  std::vector<unsigned> single(256, 0);
  for (unsigned b = 0x20; b <= 0x7E; ++b) single[b] = b;
  single[0xA0] = 0xF8F0;
  for (unsigned b = 0xA1; b <= 0xDF; ++b) single[b] = 0xFF61 + (b - 0xA1);
  for (unsigned b = 0xFD; b <= 0xFF; ++b) single[b] = 0xF8F1 + (b - 0xFD);

  // Reverse table: the lowest code per code unit, row table first (rows 0x21
  // to 0x92), then JIS X 0212, then single bytes; ASCII maps to itself.
  std::vector<unsigned> reverse(65536, 0);
  for (int r = 0x21; r <= 0x92; ++r)
    for (int c = 0x21; c <= 0x7E; ++c) {
      const unsigned u = rows[(r - 0x21) * kCells + (c - 0x21)];
      if (u && !reverse[u]) reverse[u] = static_cast<unsigned>(r * 256 + c);
    }
  for (int r = 0x21; r <= 0x7E; ++r)
    for (int c = 0x21; c <= 0x7E; ++c) {
      const unsigned u = x0212[(r - 0x21) * kCells + (c - 0x21)];
      if (u && !reverse[u]) reverse[u] = static_cast<unsigned>((r + 0x80) * 256 + c);
    }
  for (unsigned b = 0x80; b <= 0xFF; ++b)
    if (single[b] && !reverse[single[b]]) reverse[single[b]] = b;
  for (unsigned u = 0; u < 0x80; ++u) reverse[u] = u;

  // IBM extensions FA40 to FC4B: the NEC special row (87) or NEC-selected
  // (ED, EE) code that decodes to the same character.
  std::vector<unsigned> ibm(3 * 189, 0);
  int ibmCount = 0;
  for (unsigned first = 0xFA; first <= 0xFC; ++first) {
    for (unsigned second = 0x40; second <= 0xFC; ++second) {
      const unsigned char s[2] = {static_cast<unsigned char>(first), static_cast<unsigned char>(second)};
      const char16_t u = DecodeOne(sjis, s, 2);
      if (!u) continue;
      unsigned found = 0;
      for (unsigned lead : {0x87u, 0xEDu, 0xEEu}) {
        for (unsigned t = 0x40; t <= 0xFC && !found; ++t) {
          const unsigned char n[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(t)};
          if (DecodeOne(sjis, n, 2) == u) found = lead * 256 + t;
        }
        if (found) break;
      }
      if (!found) {
        std::fprintf(stderr, "gen_jis_tables: IBM extension %02X%02X has no NEC equivalent\n", first, second);
        return 1;
      }
      ibm[(first - 0xFA) * 189 + (second - 0x40)] = found;
      ++ibmCount;
    }
  }

  bool ok = Check("the row table", rowCount, 9604);
  ok = Check("the JIS X 0212 table", x0212Count, 6067) && ok;
  ok = Check("the IBM-extension table", ibmCount, 388) && ok;
  if (!ok) return 1;

  const std::string path = argv[1];
  const std::string tmp = path + ".tmp";
  FILE* f = std::fopen(tmp.c_str(), "w");
  if (!f) {
    std::perror(tmp.c_str());
    return 1;
  }
  std::fprintf(f, "// Generated by tools/gen_jis_tables from iconv's CP932 and EUC-JP mappings.\n");
  std::fprintf(f, "#include \"encoding/jis_tables.h\"\n\nnamespace kelp::jis {\n\n");
  WriteArray(f, "const char16_t kRowTable[kRowTableSize]", rows);
  WriteArray(f, "const char16_t kX0212Table[kX0212TableSize]", x0212);
  WriteArray(f, "const char16_t kSingleByteTable[256]", single);
  WriteArray(f, "const uint16_t kReverseTable[65536]", reverse);
  WriteArray(f, "const uint16_t kIbmExtensionTable[kIbmExtensionTableSize]", ibm);
  std::fprintf(f, "}  // namespace kelp::jis\n");
  if (std::fclose(f) != 0 || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::perror(path.c_str());
    return 1;
  }
  iconv_close(sjis);
  iconv_close(euc);
  return 0;
}
