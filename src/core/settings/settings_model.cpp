#include "settings/settings_model.h"

#include <algorithm>
#include <string>

#include "convert/case_map.h"

namespace kelp {

const std::array<const char16_t*, kTokenElementCount> kTokenElementKeys = {
    u"CONTROL",  u"HIGHLIGHT", u"SYMBOL",   u"STRING",   u"INTEGER", u"COMMENT", u"RESERVE", u"RESERVE2",
    u"RESERVE3", u"ANK",       u"ALPHABET", u"DBSYMBOL", u"DBINT",   u"DBALPHA", u"DBHIRA",  u"DBKANA",
    u"DBKANJI",  u"SBKANA",    u"UNICODE",  u"LINK",     u"HTMLTAG", u"PREFIX",  u"HERE"};

const std::array<const char16_t*, kModeExtCount> kModeExtKeys = {
    u"HTML", u"CSHARP", u"DELPHI", u"JSCRIPT",     u"VBSCRIPT", u"PYTHON", u"CPP",
    u"JAVA", u"PERL",   u"RUBY",   u"VISUALBASIC", u"CSS",      u"BAT",    u"UWSC"};

const std::array<const char16_t*, kModeExtCount> kDefaultModeExt = {u".htm;.html;.php;.xml",
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

namespace {

constexpr std::array<int32_t, kTokenElementCount> kTokenColorDefaults = {
    12632256, 8388736,  8388608,  16711935, 255,      32768,    16711680, 32896,
    16711680, kNoColor, kNoColor, kNoColor, kNoColor, kNoColor, kNoColor, kNoColor,
    kNoColor, kNoColor, 128,      16711680, 16711680, 8421504,  kNoColor};
constexpr std::array<uint8_t, kTokenElementCount> kTokenStyleDefaults = {2, 5, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                         0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0};

struct ColorKey {
  const char16_t* key;
  int32_t TViewSettings::*field;
};
constexpr ColorKey kColor1Keys[] = {
    {u"FORE", &TViewSettings::ColorFore},
    {u"BACK", &TViewSettings::ColorBack},
    {u"RULER", &TViewSettings::ColorRuler},
    {u"LEFTBAR", &TViewSettings::ColorLeftBar},
    {u"CARETLINE", &TViewSettings::ColorCaretLine},
    {u"SBSPACE", &TViewSettings::ColorSBSpace},
    {u"DBSPACE", &TViewSettings::ColorDBSpace},
    {u"TAB", &TViewSettings::ColorTab},
    {u"EOF", &TViewSettings::ColorEOF},
    {u"LINEEND", &TViewSettings::ColorLineEnd},
    {u"WRAP", &TViewSettings::ColorWrap},
    {u"WRAPLINE", &TViewSettings::ColorWrapLine},
    {u"WIDECHAR", &TViewSettings::ColorWideChar},
    {u"MARK", &TViewSettings::ColorMark},
};

struct FlagKey {
  const char16_t* key;
  bool TViewSettings::*field;
};
constexpr FlagKey kShowKeys[] = {
    {u"RULER", &TViewSettings::ShowRuler},       {u"LEFTBAR", &TViewSettings::ShowLeftBar},
    {u"SBSPACE", &TViewSettings::ShowSBSpace},   {u"DBSPACE", &TViewSettings::ShowDBSpace},
    {u"TAB", &TViewSettings::ShowTab},           {u"EOF", &TViewSettings::ShowEOF},
    {u"LINEEND", &TViewSettings::ShowLineEnd},   {u"WRAP", &TViewSettings::ShowWrap},
    {u"WRAPLINE", &TViewSettings::ShowWrapLine},
};

struct PrintIntKey {
  const char16_t* key;
  int32_t TPrintSettings::*field;
};
constexpr PrintIntKey kPrintLayoutKeys[] = {
    {u"CCOUNT", &TPrintSettings::ColumnCount}, {u"CSPACE", &TPrintSettings::ColumnSpace},
    {u"MLEFT", &TPrintSettings::MarginLeft},   {u"MTOP", &TPrintSettings::MarginTop},
    {u"MRIGHT", &TPrintSettings::MarginRight}, {u"MBOTTOM", &TPrintSettings::MarginBottom},
    {u"MLINE", &TPrintSettings::MarginLine},
};

constexpr const char16_t* kHistorySections[6] = {u"HIST1", u"HIST2", u"HIST3", u"HIST5", u"HIST6", u"HIST7"};

std::array<std::vector<std::u16string>*, 6> HistoryLists(THistorySettings& h) {
  return {&h.OpenLog, &h.ToolLog, &h.DirList, &h.SearchList, &h.ReplaceList, &h.FontList};
}
std::array<const std::vector<std::u16string>*, 6> HistoryLists(const THistorySettings& h) {
  return {&h.OpenLog, &h.ToolLog, &h.DirList, &h.SearchList, &h.ReplaceList, &h.FontList};
}

std::u16string Num(int n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

std::u16string ScriptKey(int i) {
  // BTN1 ... BTN9, BTNA, BTNB, BTNC
  return u"BTN" + std::u16string(1, i < 9 ? char16_t(u'1' + i) : char16_t(u'A' + i - 9));
}

void ReadText(const TMemIniFileW& ini, const char16_t* sec, const char16_t* key, std::u16string& v) {
  v = ini.ReadStringW(sec, key, v);
}
void ReadInt(const TMemIniFileW& ini, const char16_t* sec, const char16_t* key, int32_t& v) {
  v = ini.ReadInteger(sec, key, v);
}
void ReadFlag(const TMemIniFileW& ini, const char16_t* sec, const char16_t* key, bool& v) {
  v = ini.ReadBool(sec, key, v);
}
// A value outside lo ... hi cannot be used and leaves the default.
void ReadIntIn(const TMemIniFileW& ini, const char16_t* sec, const char16_t* key, int32_t& v, int32_t lo,
               int32_t hi) {
  const int32_t r = ini.ReadInteger(sec, key, v);
  if (r >= lo && r <= hi) v = r;
}

void ReadWindow(const TMemIniFileW& ini, TKelpSettings& s) {
  ReadInt(ini, u"RECT", u"TOP", s.Window.Top);
  ReadInt(ini, u"RECT", u"LEFT", s.Window.Left);
  ReadInt(ini, u"RECT", u"RIGHT", s.Window.Width);
  ReadInt(ini, u"RECT", u"BOTTOM", s.Window.Height);
  ReadFlag(ini, u"RECT", u"MAXIMIZED", s.Window.Maximized);
  ReadInt(ini, u"RECT2", u"TOP", s.DialogTop);
  ReadInt(ini, u"RECT2", u"LEFT", s.DialogLeft);
  auto& tb = s.ToolBars;
  for (int i = 0; i < 5; ++i) ReadFlag(ini, u"TBToolBar", (u"ON/OFF" + Num(i + 1)).c_str(), tb.Visible[i]);
  for (int i = 0; i < 3; ++i) {
    int32_t pos = ini.ReadInteger(u"TBToolBar", u"POS" + Num(i + 1), tb.Pos[i]);
    tb.Pos[i] = (pos >= 0 && pos <= 3) ? pos : 0;  // any other dock is the top
    ReadInt(ini, u"TBToolBar", (u"DOCKPOS" + Num(i + 1)).c_str(), tb.DockPos[i]);
    ReadInt(ini, u"TBToolBar", (u"DOCKROW" + Num(i + 1)).c_str(), tb.DockRow[i]);
  }
}

void ReadView(const TMemIniFileW& ini, TViewSettings& v) {
  ReadIntIn(ini, u"WORDWRAP", u"TYPE", v.WrapType, 0, 2);
  v.WrapCount = std::clamp(ini.ReadInteger(u"WORDWRAP", u"COUNT", v.WrapCount), 20, 4000);
  ReadText(ini, u"FONT", u"NAME", v.FontName);
  ReadIntIn(ini, u"FONT", u"SIZE", v.FontHeight, 1, 0x7FFFFFFF);
  v.LineMargin = std::clamp(ini.ReadInteger(u"FONT", u"LINEMARGIN", v.LineMargin), 0, 16);
  for (const auto& k : kColor1Keys) ReadInt(ini, u"COLOR1", k.key, v.*k.field);
  for (const auto& k : kShowKeys) ReadFlag(ini, u"SHOW", k.key, v.*k.field);
  ReadInt(ini, u"CARET", u"TABCOUNT", v.TabCount);
  ReadInt(ini, u"CARET", u"AUTOINDENT", v.AutoIndent);
  ReadFlag(ini, u"LEFTBAR", u"COUNTWRAP", v.LeftBarCountWrap);
  for (int i = 0; i < kTokenElementCount; ++i) {
    if (i != kUnicodeTokenElement) ReadInt(ini, u"COLOR2", kTokenElementKeys[i], v.TokenColors[i]);
    v.TokenStyles[i] =
        static_cast<uint8_t>(ini.ReadInteger(u"STYLE", kTokenElementKeys[i], v.TokenStyles[i]) & 15);
  }
  ReadText(ini, u"BITMAP", u"PATH", v.BackGroundBMP);
  ReadInt(ini, u"BITMAP", u"ALPHA", v.AlphaBlend);
  ReadFlag(ini, u"BITMAP", u"DRAWNOT", v.DrawNot);
  ReadFlag(ini, u"CARET", u"KEEPCOL", v.KeepCol);
  ReadFlag(ini, u"WORDWRAP", u"RULER", v.RulerEnabled);
}

void ReadPrint(const TMemIniFileW& ini, TPrintSettings& p) {
  ReadText(ini, u"PRINT", u"FONTNAME", p.FontName);
  ReadInt(ini, u"PRINT", u"FONTSIZE", p.FontSize);
  ReadFlag(ini, u"PRINT", u"NUMBERED", p.LineNumber);
  ReadIntIn(ini, u"PRINT", u"MODE", p.PrintMode, 0, 2);
  for (const auto& k : kPrintLayoutKeys) ReadInt(ini, u"PRINT", k.key, p.*k.field);
  ReadText(ini, u"PRINT", u"HEADER", p.Header);
  ReadText(ini, u"PRINT", u"FOOTER", p.Footer);
  ReadIntIn(ini, u"PRINT", u"HEADERPOS", p.HeaderPos, 0, 3);
  ReadIntIn(ini, u"PRINT", u"FOOTERPOS", p.FooterPos, 0, 3);
}

}  // namespace

TKelpSettings DefaultSettings(const TEditorDefaults& editor) {
  TKelpSettings s;
  s.Window = editor.Window;
  s.View.FontName = editor.FontName;
  s.View.FontHeight = editor.FontHeight;
  s.View.TokenColors = kTokenColorDefaults;
  s.View.TokenStyles = kTokenStyleDefaults;
  for (int i = 0; i < kModeExtCount; ++i) s.ModeExt[i] = kDefaultModeExt[i];
  s.Print.FontName = editor.FontName;
  s.Print.FontSize = editor.FontSize;
  return s;
}

void ReadHistories(const TMemIniFileW& ini, THistorySettings& h) {
  auto lists = HistoryLists(h);
  for (auto* l : lists) l->clear();
  for (int slot = 1; slot <= kHistoryFileSlots; ++slot) {
    for (int k = 0; k < 6; ++k) {
      std::u16string v = ini.ReadStringW(kHistorySections[k], Num(slot), u"");
      if (!v.empty()) lists[k]->push_back(std::move(v));
    }
  }
}

void ReadSettings(const TMemIniFileW& ini, TKelpSettings& s) {
  ReadHistories(ini, s.History);
  ReadFlag(ini, u"SEARCH", u"IGCASE", s.Search.IgnoreCase);
  ReadFlag(ini, u"SEARCH", u"CONFIRM", s.Search.Confirm);
  ReadFlag(ini, u"SEARCH", u"REGEX", s.Search.Regex);
  ReadFlag(ini, u"SEARCH", u"LOOP", s.Search.Loop);
  ReadWindow(ini, s);
  for (int i = 0; i < kScriptSlotCount; ++i) ReadText(ini, u"WSH", ScriptKey(i).c_str(), s.ScriptPaths[i]);
  ReadView(ini, s.View);
  for (int i = 0; i < kModeExtCount; ++i) ReadText(ini, u"MODE", kModeExtKeys[i], s.ModeExt[i]);
  ReadPrint(ini, s.Print);
  ReadFlag(ini, u"SAVE", u"ADDTXT", s.AddTxt);
  ReadText(ini, u"SAVE", u"RECENT", s.RecentSaved);
  ReadShortcuts(ini, s.Shortcuts);
}

void ReadShortcuts(const TMemIniFileW& ini, TShortCutList& list) {
  for (int i = 0; i < kShortCutCount; ++i) {
    const auto& e = kShortCutEntries[i];
    if (e.IsHeader()) continue;
    const int32_t v = ini.ReadInteger(u"SHORTCUT", e.Key, list.Values[i]);
    if (v >= 0 && v <= 0xFFFF) list.Values[i] = static_cast<uint16_t>(v);
  }
}

void WriteSettingsSections(TMemIniFileW& ini, const TKelpSettings& s) {
  const auto& w = s.Window;
  ini.WriteInteger(u"RECT", u"TOP", w.Top);
  ini.WriteInteger(u"RECT", u"LEFT", w.Left);
  ini.WriteInteger(u"RECT", u"RIGHT", w.Width);
  ini.WriteInteger(u"RECT", u"BOTTOM", w.Height);
  ini.WriteBool(u"RECT", u"MAXIMIZED", w.Maximized);
  ini.WriteInteger(u"RECT2", u"TOP", s.DialogTop);
  ini.WriteInteger(u"RECT2", u"LEFT", s.DialogLeft);
  const auto& tb = s.ToolBars;
  for (int i = 0; i < 5; ++i) ini.WriteBool(u"TBToolBar", u"ON/OFF" + Num(i + 1), tb.Visible[i]);
  for (int i = 0; i < 3; ++i) ini.WriteInteger(u"TBToolBar", u"POS" + Num(i + 1), tb.Pos[i]);
  for (int i = 0; i < 3; ++i) ini.WriteInteger(u"TBToolBar", u"DOCKPOS" + Num(i + 1), tb.DockPos[i]);
  for (int i = 0; i < 3; ++i) ini.WriteInteger(u"TBToolBar", u"DOCKROW" + Num(i + 1), tb.DockRow[i]);
  const auto& v = s.View;
  ini.WriteInteger(u"WORDWRAP", u"TYPE", v.WrapType);
  ini.WriteInteger(u"WORDWRAP", u"COUNT", v.WrapCount);
  ini.WriteStringW(u"FONT", u"NAME", v.FontName);
  ini.WriteInteger(u"FONT", u"SIZE", v.FontHeight);
  ini.WriteInteger(u"FONT", u"LINEMARGIN", v.LineMargin);
  for (const auto& k : kColor1Keys) ini.WriteInteger(u"COLOR1", k.key, v.*k.field);
  for (const auto& k : kShowKeys) ini.WriteBool(u"SHOW", k.key, v.*k.field);
  ini.WriteInteger(u"CARET", u"TABCOUNT", v.TabCount);
  ini.WriteInteger(u"CARET", u"AUTOINDENT", v.AutoIndent);
  ini.WriteBool(u"LEFTBAR", u"COUNTWRAP", v.LeftBarCountWrap);
  for (int i = 0; i < kTokenElementCount; ++i)
    if (i != kUnicodeTokenElement) ini.WriteInteger(u"COLOR2", kTokenElementKeys[i], v.TokenColors[i]);
  for (int i = 0; i < kTokenElementCount; ++i)
    ini.WriteInteger(u"STYLE", kTokenElementKeys[i], v.TokenStyles[i]);
  for (int i = 0; i < kModeExtCount; ++i) ini.WriteStringW(u"MODE", kModeExtKeys[i], s.ModeExt[i]);
  const auto& p = s.Print;
  ini.WriteStringW(u"PRINT", u"FONTNAME", p.FontName);
  ini.WriteInteger(u"PRINT", u"FONTSIZE", p.FontSize);
  ini.WriteBool(u"PRINT", u"NUMBERED", p.LineNumber);
  ini.WriteInteger(u"PRINT", u"MODE", p.PrintMode);
  for (const auto& k : kPrintLayoutKeys) ini.WriteInteger(u"PRINT", k.key, p.*k.field);
  ini.WriteStringW(u"PRINT", u"HEADER", p.Header);
  ini.WriteStringW(u"PRINT", u"FOOTER", p.Footer);
  ini.WriteInteger(u"PRINT", u"HEADERPOS", p.HeaderPos);
  ini.WriteInteger(u"PRINT", u"FOOTERPOS", p.FooterPos);
  ini.WriteStringW(u"BITMAP", u"PATH", v.BackGroundBMP);
  ini.WriteBool(u"SAVE", u"ADDTXT", s.AddTxt);
  ini.WriteInteger(u"BITMAP", u"ALPHA", v.AlphaBlend);
  ini.WriteBool(u"BITMAP", u"DRAWNOT", v.DrawNot);
  ini.WriteBool(u"CARET", u"KEEPCOL", v.KeepCol);
  ini.WriteBool(u"WORDWRAP", u"RULER", v.RulerEnabled);
}

void WriteHistorySections(TMemIniFileW& ini, const TKelpSettings& s) {
  const auto lists = HistoryLists(s.History);
  for (int slot = 1; slot <= kHistoryFileSlots; ++slot) {
    for (int k = 0; k < 6; ++k) {
      const auto& l = *lists[k];
      const size_t i = static_cast<size_t>(slot - 1);
      ini.WriteStringW(kHistorySections[k], Num(slot), i < l.size() ? std::u16string_view(l[i]) : u"");
    }
  }
  ini.WriteBool(u"SEARCH", u"IGCASE", s.Search.IgnoreCase);
  ini.WriteBool(u"SEARCH", u"CONFIRM", s.Search.Confirm);
  ini.WriteBool(u"SEARCH", u"REGEX", s.Search.Regex);
  ini.WriteBool(u"SEARCH", u"LOOP", s.Search.Loop);
  ini.WriteStringW(u"SAVE", u"RECENT", s.RecentSaved);
  for (int i = 0; i < kScriptSlotCount; ++i) ini.WriteStringW(u"WSH", ScriptKey(i), s.ScriptPaths[i]);
}

void WriteShortcutSection(TMemIniFileW& ini, const TShortCutList& list) {
  for (int i = 0; i < kShortCutCount; ++i) {
    const auto& e = kShortCutEntries[i];
    if (!e.IsHeader()) ini.WriteInteger(u"SHORTCUT", e.Key, list.Values[i]);
  }
}

void AddHistoryEntry(std::vector<std::u16string>& list, std::u16string_view entry, bool ignore_case) {
  const std::u16string folded = ignore_case ? ToLowerText(entry) : std::u16string(entry);
  std::erase_if(list, [&](const std::u16string& e) { return (ignore_case ? ToLowerText(e) : e) == folded; });
  list.insert(list.begin(), std::u16string(entry));
}

TWindowSettings FitWindowToWorkArea(TWindowSettings w, int32_t work_width, int32_t work_height) {
  const auto fit = [](int32_t& pos, int32_t& size, int32_t work) {
    if (static_cast<int64_t>(pos) + size > work) {
      pos = work - size;
      if (pos < 0) {
        size = work;
        pos = 0;
      }
    }
  };
  fit(w.Left, w.Width, work_width);
  fit(w.Top, w.Height, work_height);
  return w;
}

TGrepSettings ReadGrepSection(const TMemIniFileW& ini) {
  TGrepSettings g;
  for (int i = 0; i < kGrepHistoryCount; ++i) {
    std::u16string d = ini.ReadStringW(u"GREP", u"DIR" + Num(i), u"");
    if (!d.empty()) g.Dirs.push_back(std::move(d));
    std::u16string r = ini.ReadStringW(u"GREP", u"REGEX" + Num(i), u"");
    if (!r.empty()) g.Patterns.push_back(std::move(r));
  }
  g.SubDir = ini.ReadBool(u"GREP", u"SUBDIR", false);
  g.Case = ini.ReadBool(u"GREP", u"CASE", false);
  g.Short = ini.ReadBool(u"GREP", u"SHORT", false);
  return g;
}

void WriteGrepSection(TMemIniFileW& ini, const TGrepSettings& g) {
  // Keys beyond a list's length keep what they had.
  for (size_t i = 0; i < g.Dirs.size() && i < kGrepHistoryCount; ++i)
    ini.WriteStringW(u"GREP", u"DIR" + Num(static_cast<int>(i)), g.Dirs[i]);
  for (size_t i = 0; i < g.Patterns.size() && i < kGrepHistoryCount; ++i)
    ini.WriteStringW(u"GREP", u"REGEX" + Num(static_cast<int>(i)), g.Patterns[i]);
  ini.WriteBool(u"GREP", u"SUBDIR", g.SubDir);
  ini.WriteBool(u"GREP", u"CASE", g.Case);
  ini.WriteBool(u"GREP", u"SHORT", g.Short);
}

}  // namespace kelp
