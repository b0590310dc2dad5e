#include "encoding/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

#include "encoding/byte_order.h"
#include "encoding/code_page.h"
#include "encoding/code_page_mask.h"
#include "encoding/detect_code.h"
#include "encoding/euc_codec.h"
#include "encoding/jis_codec.h"
#include "encoding/regular_file.h"
#include "encoding/safe_write.h"

namespace kelp {

namespace {

constexpr size_t kReadLimit = 2147483647;

// With replaceNul every U+0000 becomes a space; without it any U+0000 empties
// the text. Either way hadNul tells that one was there.
void NulRule(std::u16string& text, bool replaceNul, bool& hadNul) {
  if (text.find(u'\0') == std::u16string::npos) return;
  hadNul = true;
  if (replaceNul)
    std::replace(text.begin(), text.end(), u'\0', u' ');
  else
    text.clear();
}

std::u16string FromUtf16Le(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE)
    bytes.remove_prefix(2);
  return Utf16LeToUnicode(bytes);
}

void SwapPairs(std::string& bytes) {
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
}

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string text = CodePageToUnicode(kCodePageUtf8, bytes);
  if (bytes.size() > 2 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
      static_cast<unsigned char>(bytes[1]) == 0xBB && !text.empty())
    text.erase(0, 1);
  return text;
}

int CodePageOf(TFileCode code) {
  switch (code) {
    case fcASCII:
      return 1252;
    case fc1251:
      return 1251;
    case fcBIG5:
      return 950;
    case fcGB2312:
      return 936;
    case fcEUCKR:
      return 949;
    default:
      return 932;
  }
}

std::u16string DetectAndDecode(std::string& bytes, TFileCode& code, bool replaceNul, bool& hadNul) {
  const TFileCode sniffed = SniffByteOrder(bytes);
  std::u16string text;
  if (sniffed == fcUNICODE || sniffed == fcBIGEND) {
    code = sniffed;
    if (sniffed == fcBIGEND) SwapPairs(bytes);
    text = FromUtf16Le(bytes);
    NulRule(text, replaceNul, hadNul);
    return text;
  }
  if (sniffed == fcUTF8W) {
    text = CodePageToUnicode(kCodePageUtf8, bytes);
    if (!text.empty()) text.erase(0, 1);
    code = fcUTF8W;
    NulRule(text, replaceNul, hadNul);
    return text;
  }
  if (bytes.find('\0') != std::string::npos) {
    if (!replaceNul) return {};
    std::replace(bytes.begin(), bytes.end(), '\0', ' ');
    hadNul = true;
  }
  switch (DetectCode(bytes)) {
    case kDetectEuc:
      code = fcEUC;
      return EucToUnicode(bytes);
    case kDetectJis:
      code = fcJIS;
      return JisToUnicode(bytes);
    case kDetectUtf7:
      code = fcUTF7;
      return CodePageToUnicode(kCodePageUtf7, bytes);
    case kDetectUtf8:
      code = fcUTF8U;
      return CodePageToUnicode(kCodePageUtf8, bytes);
    case kDetectShiftJis:
      code = fcANSI;
      return CodePageToUnicode(932, bytes);
    default:
      return CodePageToUnicode(932, bytes);
  }
}

}  // namespace

std::u16string DecodeText(std::string bytes, TFileCode& code, bool replaceNul, bool& hadNul) {
  hadNul = false;
  std::u16string text;
  switch (code) {
    case fcNONE:
      return DetectAndDecode(bytes, code, replaceNul, hadNul);
    case fcANSI:
      text = CodePageToUnicode(932, bytes);
      break;
    case fcUNICODE:
      text = FromUtf16Le(bytes);
      break;
    case fcBIGEND:
      SwapPairs(bytes);
      text = FromUtf16Le(bytes);
      break;
    case fcUTF8W:
    case fcUTF8U:
      text = FromUtf8(bytes);
      break;
    case fcUTF7:
      text = CodePageToUnicode(kCodePageUtf7, bytes);
      break;
    case fcEUC:
      text = EucToUnicode(bytes);
      break;
    case fcJIS:
      text = JisToUnicode(bytes);
      break;
    case fcASCII:
      std::replace(bytes.begin(), bytes.end(), '\0', ' ');
      text = CodePageToUnicode(1252, bytes);
      break;
    case fc1251:
    case fcBIG5:
    case fcGB2312:
    case fcEUCKR:
      text = CodePageToUnicode(CodePageOf(code), bytes);
      break;
    default:
      return {};  // fcBIN and unknown values read nothing
  }
  NulRule(text, replaceNul, hadNul);
  return text;
}

std::u16string LoadTextFile(const std::string& path, TFileCode& code, bool replaceNul, bool& failed,
                            bool& hadNul) {
  failed = false;
  hadNul = false;
  std::string bytes;
  try {
    if (!ReadRegularFile(path, kReadLimit, bytes)) {
      failed = true;
      return {};
    }
    return DecodeText(std::move(bytes), code, replaceNul, hadNul);
  } catch (const std::bad_alloc&) {
    failed = true;
    return {};
  }
}

std::string EncodeText(std::u16string_view text, TFileCode code, bool* usedDefault) {
  std::string out;
  switch (code) {
    case fcUNICODE:
    case fcBIGEND: {
      const bool big = code == fcBIGEND;
      out.resize(2 * (text.size() + 1));
      auto put = [&](size_t i, char16_t c) {
        out[2 * i + (big ? 1 : 0)] = static_cast<char>(c & 0xFF);
        out[2 * i + (big ? 0 : 1)] = static_cast<char>(c >> 8);
      };
      put(0, 0xFEFF);
      for (size_t i = 0; i < text.size(); ++i) put(i + 1, text[i]);
      return out;
    }
    case fcUTF8W:
      return "\xEF\xBB\xBF" + UnicodeToCodePage(kCodePageUtf8, text, usedDefault);
    case fcUTF8U:
      return UnicodeToCodePage(kCodePageUtf8, text, usedDefault);
    case fcUTF7:
      return UnicodeToCodePage(kCodePageUtf7, text, usedDefault);
    case fcEUC: {
      out = UnicodeToEuc(text);
      if (usedDefault && !IsRepresentable(text, fcEUC)) *usedDefault = true;
      return out;
    }
    case fcJIS:
      return UnicodeToJis(text, usedDefault);
    case fcBIN:
      out.resize(2 * text.size());
      for (size_t i = 0; i < text.size(); ++i) {
        out[2 * i] = static_cast<char>(text[i] >> 8);
        out[2 * i + 1] = static_cast<char>(text[i] & 0xFF);
      }
      return out;
    default:
      return UnicodeToCodePage(CodePageOf(code), text, usedDefault);
  }
}

bool SaveTextFile(const std::string& path, std::u16string_view text, TFileCode code) {
  std::string bytes;
  try {
    bytes = EncodeText(text, code);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return WriteFileReplacing(path, bytes);
}

}  // namespace kelp
