#include "syntax/notepad_mode.h"

#include <array>

#include "syntax/modes.h"

namespace kelp {

TNotePadMode::TNotePadMode()
    : FFileExtList(std::make_unique<TReserveList>(std::vector<std::u16string>{}, false)) {}

void TNotePadMode::SetLists(std::unique_ptr<TReserveList> first, std::unique_ptr<TReserveList> second,
                            std::unique_ptr<TReserveList> third) {
  FReserveList = first ? std::move(first) : std::make_unique<TReserveList>();
  FReserve2List = second ? std::move(second) : std::make_unique<TReserveList>();
  FReserve3List = third ? std::move(third) : std::make_unique<TReserveList>();
}

std::u16string TNotePadMode::GetDefExt() const {
  if (ExtCount() == 0) return {};
  std::u16string e = GetExts(0);
  if (!e.empty() && e[0] == u'.') e.erase(0, 1);
  return e;
}

std::u16string TNotePadMode::FileExts() const {
  std::u16string out;
  for (int64_t i = 0; i < ExtCount(); ++i) {
    if (i > 0) out += u';';
    out += GetExts(i);
  }
  return out;
}

void TNotePadMode::SetFileExts(std::u16string_view Value) {
  std::vector<std::u16string> entries;
  std::u16string cur;
  auto close = [&] {
    if (cur.empty()) return;
    if (cur[0] != u'.') cur.insert(cur.begin(), u'.');
    entries.push_back(std::move(cur));
    cur.clear();
  };
  for (char16_t c : Value) {
    if (c == u';') {
      close();
    } else {
      cur += (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    }
  }
  close();
  FFileExtList = std::make_unique<TReserveList>(std::move(entries), false);
}

namespace {

struct ModeTable {
  std::array<std::unique_ptr<TNotePadMode>, kHighlightModeCount> modes;
  ModeTable() {
    modes[hmDefault] = TNotePadMode::Create<TModeDefault>();
    modes[hmHtml] = TNotePadMode::Create<TModeHtml>();
    modes[hmCSharp] = TNotePadMode::Create<TModeCSharp>();
    modes[hmDelphi] = TNotePadMode::Create<TModeDelphi>();
    modes[hmJScript] = TNotePadMode::Create<TModeJScript>();
    modes[hmVBScript] = TNotePadMode::Create<TModeVBScript>();
    modes[hmPython] = TNotePadMode::Create<TModePython>();
    modes[hmCpp] = TNotePadMode::Create<TModeCpp>();
    modes[hmJava] = TNotePadMode::Create<TModeJava>();
    modes[hmPerl] = TNotePadMode::Create<TModePerl>();
    modes[hmRuby] = TNotePadMode::Create<TModeRuby>();
    modes[hmVisualBasic] = TNotePadMode::Create<TModeVisualBasic>();
    modes[hmCss] = TNotePadMode::Create<TModeCss>();
    modes[hmBat] = TNotePadMode::Create<TModeBat>();
    modes[hmUwsc] = TNotePadMode::Create<TModeUwsc>();
    static constexpr std::u16string_view kDefaultExts[kHighlightModeCount] = {u"",
                                                                              u".htm;.html;.php;.xml",
                                                                              u".cs",
                                                                              u".pas;.dpr;.dpk",
                                                                              u".js",
                                                                              u".vbs",
                                                                              u".py;.pys",
                                                                              u".c;.cpp;.h;.hpp",
                                                                              u".java;.class;.jsl",
                                                                              u".cgi;.pl;.pls;.pm;.pod",
                                                                              u".rb",
                                                                              u".vb",
                                                                              u".css",
                                                                              u".bat",
                                                                              u".uws"};
    for (int i = 0; i < kHighlightModeCount; ++i) modes[static_cast<size_t>(i)]->SetFileExts(kDefaultExts[i]);
  }
};

ModeTable& Table() {
  static ModeTable table;
  return table;
}

}  // namespace

TNotePadMode& ModeOf(int mode) {
  if (mode < 1 || mode >= kHighlightModeCount) mode = hmDefault;
  return *Table().modes[static_cast<size_t>(mode)];
}

THighlightMode HighlightModeOf(const TNotePadMode* mode) {
  const ModeTable& t = Table();
  for (int i = 0; i < kHighlightModeCount; ++i)
    if (t.modes[static_cast<size_t>(i)].get() == mode) return static_cast<THighlightMode>(i);
  return hmDefault;
}

std::u16string PathExtension(std::u16string_view pathName) {
  // The extension begins at the last "." after the last folder separator.
  const size_t pos = pathName.find_last_of(u"/.");
  if (pos == std::u16string_view::npos || pathName[pos] != u'.') return {};
  return std::u16string(pathName.substr(pos));
}

THighlightMode ModeFromPath(std::u16string_view pathName) {
  const std::u16string ext = PathExtension(pathName);
  if (!ext.empty()) {
    for (int m = hmHtml; m < kHighlightModeCount; ++m)
      if (ModeOf(m).HasExt(ext)) return static_cast<THighlightMode>(m);
  }
  if (pathName.size() > 3 && pathName.back() == u']') return hmHtml;
  return hmDefault;
}

}  // namespace kelp
