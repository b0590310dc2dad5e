#include "kelp_tool.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/utf.h"
#include "encoding/code_page_mask.h"
#include "encoding/file_code.h"
#include "encoding/text_file.h"

namespace kelp {

namespace {

constexpr int kOk = 0, kIoError = 1, kUsage = 2, kNotRepresentable = 3;

const char* const kUsageText =
    "usage: kelp-tool detect FILE...\n"
    "       kelp-tool convert --from NAME --to NAME [--eol crlf|lf|cr] IN OUT\n"
    "names: auto (for --from only), S-JIS, Unicode, \"Big Endian\", \"UTF8(BOM)\", UTF7, UTF8,\n"
    "       EUC, JIS, ASCII, \"キリル(1251)\", BIG5, GB2312, EUC-KR\n";

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return out;
}

// The encoding of a short name (ASCII letters in any case); "auto" is fcNONE.
std::optional<TFileCode> CodeOfName(std::string_view name, bool allowAuto) {
  const std::string wanted = Lower(name);
  if (wanted == "auto") return allowAuto ? std::optional<TFileCode>(fcNONE) : std::nullopt;
  for (int i = fcANSI; i < fcBIN; ++i)
    if (Lower(Utf16ToUtf8(CodeNames[static_cast<size_t>(i)])) == wanted) return static_cast<TFileCode>(i);
  return std::nullopt;
}

std::string NameOfCode(TFileCode code) {
  if (code == fcNONE) return "auto";
  return Utf16ToUtf8(CodeNames[code]);
}

// The line-end convention as the document records it: the kind of the last
// line end in the text, or none.
const char* LineEndName(std::u16string_view text) {
  const size_t last = text.find_last_of(u"\r\n");
  if (last == std::u16string_view::npos) return "none";
  if (text[last] == u'\r') return "CR";
  return last > 0 && text[last - 1] == u'\r' ? "CRLF" : "LF";
}

std::u16string WithLineEnds(std::u16string_view text, std::u16string_view eol) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      out += eol;
    } else if (c == u'\n') {
      out += eol;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

int Detect(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  if (files.empty()) {
    err << kUsageText;
    return kUsage;
  }
  int rc = kOk;
  for (const std::string& file : files) {
    TFileCode code = fcNONE;
    bool failed = false, hadNul = false;
    const std::u16string text = LoadTextFile(file, code, true, failed, hadNul);
    if (failed) {
      err << "kelp-tool: cannot read " << file << "\n";
      rc = kIoError;
      continue;
    }
    out << file << "\t" << NameOfCode(code) << "\t" << LineEndName(text) << (hadNul ? "\tNUL" : "") << "\n";
  }
  return rc;
}

int Convert(const std::vector<std::string>& args, std::ostream& err) {
  std::optional<TFileCode> from, to;
  std::optional<std::u16string_view> eol;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--from" && hasValue) {
      from = CodeOfName(args[++i], true);
      if (!from) {
        err << "kelp-tool: unknown encoding for --from: " << args[i] << "\n" << kUsageText;
        return kUsage;
      }
    } else if (a == "--to" && hasValue) {
      to = CodeOfName(args[++i], false);
      if (!to) {
        err << "kelp-tool: unknown encoding for --to: " << args[i] << "\n" << kUsageText;
        return kUsage;
      }
    } else if (a == "--eol" && hasValue) {
      const std::string e = Lower(args[++i]);
      if (e == "crlf") {
        eol = u"\r\n";
      } else if (e == "lf") {
        eol = u"\n";
      } else if (e == "cr") {
        eol = u"\r";
      } else {
        err << "kelp-tool: --eol takes crlf, lf or cr\n";
        return kUsage;
      }
    } else if (a.starts_with("--")) {
      err << "kelp-tool: unknown option " << a << "\n" << kUsageText;
      return kUsage;
    } else {
      files.push_back(a);
    }
  }
  if (!from || !to || files.size() != 2) {
    err << kUsageText;
    return kUsage;
  }
  TFileCode code = *from;
  bool failed = false, hadNul = false;
  std::u16string text = LoadTextFile(files[0], code, true, failed, hadNul);
  if (failed) {
    err << "kelp-tool: cannot read " << files[0] << "\n";
    return kIoError;
  }
  if (hadNul) err << "kelp-tool: warning: " << files[0] << " holds NUL characters; they became spaces\n";
  if (eol) text = WithLineEnds(text, *eol);
  const bool representable = IsRepresentable(text, *to);
  if (!SaveTextFile(files[1], text, *to)) {
    err << "kelp-tool: cannot write " << files[1] << "\n";
    return kIoError;
  }
  if (!representable) {
    err << "kelp-tool: warning: some characters cannot be represented in " << NameOfCode(*to)
        << " and were written as \"?\"\n";
    return kNotRepresentable;
  }
  return kOk;
}

}  // namespace

int RunKelpTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsageText;
    return kUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "detect") return Detect(rest, out, err);
  if (args[0] == "convert") return Convert(rest, err);
  if (args[0] == "--help" || args[0] == "-h") {
    out << kUsageText;
    return kOk;
  }
  err << kUsageText;
  return kUsage;
}

}  // namespace kelp
