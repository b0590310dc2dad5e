#include "encoding/code_page_mask.h"

#include <array>
#include <mutex>
#include <string>

#include "encoding/code_page.h"
#include "encoding/euc_codec.h"

namespace kelp {

namespace {

std::once_flag g_once;
std::array<uint8_t, 65536> g_table;

void Build() {
  constexpr int pages[6] = {932, 1252, 1251, 950, 936, 949};
  for (unsigned u = 0; u < 65536; ++u) {
    const auto c = static_cast<char16_t>(u);
    uint8_t bits = 0;
    if (c >= 0xD800 && c <= 0xDFFF) {
      bits = 0x7F;
    } else if (c >= 0x80) {
      for (int k = 0; k < 6; ++k)
        if (!CodeUnitRoundTrips(pages[k], c)) bits |= static_cast<uint8_t>(1u << k);
      if (EucToUnicode(UnicodeToEuc(std::u16string_view(&c, 1))) != std::u16string(1, c)) bits |= kMaskEuc;
    }
    g_table[u] = bits;
  }
}

}  // namespace

const uint8_t* CodePageMaskTable() {
  std::call_once(g_once, Build);
  return g_table.data();
}

uint8_t CodePageMaskOf(TFileCode code) {
  switch (code) {
    case fcNONE:
    case fcANSI:
    case fcJIS:
      return kMaskShiftJis;
    case fcASCII:
      return kMask1252;
    case fc1251:
      return kMask1251;
    case fcBIG5:
      return kMaskBig5;
    case fcGB2312:
      return kMaskGb2312;
    case fcEUCKR:
      return kMaskEucKr;
    case fcEUC:
      return kMaskEuc;
    default:
      return 0;
  }
}

bool IsRepresentable(std::u16string_view text, TFileCode code) {
  switch (code) {
    case fcUNICODE:
    case fcBIGEND:
    case fcUTF8W:
    case fcUTF7:
    case fcUTF8U:
    case fcBIN:
      return true;
    case fcEUC: {
      const uint8_t* table = CodePageMaskTable();
      for (char16_t c : text)
        if (table[c] & kMaskEuc) return false;
      return true;
    }
    case fcJIS:
      for (char16_t c : text)
        if (c == 0x0080 || (c >= 0xF8F0 && c <= 0xF8F3)) return false;
      break;
    default:
      break;
  }
  int page = 932;
  switch (code) {
    case fcASCII:
      page = 1252;
      break;
    case fc1251:
      page = 1251;
      break;
    case fcBIG5:
      page = 950;
      break;
    case fcGB2312:
      page = 936;
      break;
    case fcEUCKR:
      page = 949;
      break;
    default:
      break;
  }
  bool usedDefault = false;
  UnicodeToCodePage(page, text, &usedDefault);
  return !usedDefault;
}

}  // namespace kelp
