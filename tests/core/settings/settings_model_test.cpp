#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "scoped_write_faults.h"
#include "settings/ini_codec.h"
#include "settings/settings_store.h"
#include "temp_dir.h"

namespace kelp {
namespace {

using testing::ReadBytes;
using testing::TempDir;

struct Change {
  const char* what;
  std::function<void(TKelpSettings&)> apply;
};

// One change per stored value, each away from its default.
std::vector<Change> EveryStoredValue() {
  std::vector<Change> c = {
      {"RECT TOP", [](auto& s) { s.Window.Top = 11; }},
      {"RECT LEFT", [](auto& s) { s.Window.Left = 12; }},
      {"RECT RIGHT", [](auto& s) { s.Window.Width = 1013; }},
      {"RECT BOTTOM", [](auto& s) { s.Window.Height = 714; }},
      {"RECT MAXIMIZED", [](auto& s) { s.Window.Maximized = true; }},
      {"RECT2 TOP", [](auto& s) { s.DialogTop = 40; }},
      {"RECT2 LEFT", [](auto& s) { s.DialogLeft = -30; }},
      {"WORDWRAP TYPE", [](auto& s) { s.View.WrapType = 2; }},
      {"WORDWRAP COUNT", [](auto& s) { s.View.WrapCount = 120; }},
      {"WORDWRAP RULER", [](auto& s) { s.View.RulerEnabled = false; }},
      {"FONT NAME", [](auto& s) { s.View.FontName = u"IPAゴシック"; }},
      {"FONT SIZE", [](auto& s) { s.View.FontHeight = 21; }},
      {"FONT LINEMARGIN", [](auto& s) { s.View.LineMargin = 5; }},
      {"COLOR1 FORE", [](auto& s) { s.View.ColorFore = 0x010203; }},
      {"COLOR1 BACK", [](auto& s) { s.View.ColorBack = 0x020304; }},
      {"COLOR1 RULER", [](auto& s) { s.View.ColorRuler = 0x030405; }},
      {"COLOR1 LEFTBAR", [](auto& s) { s.View.ColorLeftBar = 0x040506; }},
      {"COLOR1 CARETLINE", [](auto& s) { s.View.ColorCaretLine = kNoColor; }},
      {"COLOR1 SBSPACE", [](auto& s) { s.View.ColorSBSpace = 0x060708; }},
      {"COLOR1 DBSPACE", [](auto& s) { s.View.ColorDBSpace = 0x070809; }},
      {"COLOR1 TAB", [](auto& s) { s.View.ColorTab = 0x08090A; }},
      {"COLOR1 EOF", [](auto& s) { s.View.ColorEOF = 0x090A0B; }},
      {"COLOR1 LINEEND", [](auto& s) { s.View.ColorLineEnd = 0x0A0B0C; }},
      {"COLOR1 WRAP", [](auto& s) { s.View.ColorWrap = 0x0B0C0D; }},
      {"COLOR1 WRAPLINE", [](auto& s) { s.View.ColorWrapLine = 0x0C0D0E; }},
      {"COLOR1 WIDECHAR", [](auto& s) { s.View.ColorWideChar = 0x0D0E0F; }},
      {"COLOR1 MARK", [](auto& s) { s.View.ColorMark = 0x0E0F10; }},
      {"SHOW RULER", [](auto& s) { s.View.ShowRuler = false; }},
      {"SHOW LEFTBAR", [](auto& s) { s.View.ShowLeftBar = false; }},
      {"SHOW SBSPACE", [](auto& s) { s.View.ShowSBSpace = true; }},
      {"SHOW DBSPACE", [](auto& s) { s.View.ShowDBSpace = true; }},
      {"SHOW TAB", [](auto& s) { s.View.ShowTab = true; }},
      {"SHOW EOF", [](auto& s) { s.View.ShowEOF = true; }},
      {"SHOW LINEEND", [](auto& s) { s.View.ShowLineEnd = false; }},
      {"SHOW WRAP", [](auto& s) { s.View.ShowWrap = true; }},
      {"SHOW WRAPLINE", [](auto& s) { s.View.ShowWrapLine = false; }},
      {"CARET TABCOUNT", [](auto& s) { s.View.TabCount = 4; }},
      {"CARET AUTOINDENT", [](auto& s) { s.View.AutoIndent = 2; }},
      {"CARET KEEPCOL", [](auto& s) { s.View.KeepCol = true; }},
      {"LEFTBAR COUNTWRAP", [](auto& s) { s.View.LeftBarCountWrap = false; }},
      {"BITMAP PATH", [](auto& s) { s.View.BackGroundBMP = u"/home/利用者/背景.png"; }},
      {"BITMAP ALPHA", [](auto& s) { s.View.AlphaBlend = 200; }},
      {"BITMAP DRAWNOT", [](auto& s) { s.View.DrawNot = true; }},
      {"PRINT FONTNAME", [](auto& s) { s.Print.FontName = u"明朝"; }},
      {"PRINT FONTSIZE", [](auto& s) { s.Print.FontSize = 9; }},
      {"PRINT NUMBERED", [](auto& s) { s.Print.LineNumber = true; }},
      {"PRINT MODE", [](auto& s) { s.Print.PrintMode = 2; }},
      {"PRINT CCOUNT", [](auto& s) { s.Print.ColumnCount = 3; }},
      {"PRINT CSPACE", [](auto& s) { s.Print.ColumnSpace = 7; }},
      {"PRINT MLEFT", [](auto& s) { s.Print.MarginLeft = 1; }},
      {"PRINT MTOP", [](auto& s) { s.Print.MarginTop = 2; }},
      {"PRINT MRIGHT", [](auto& s) { s.Print.MarginRight = 3; }},
      {"PRINT MBOTTOM", [](auto& s) { s.Print.MarginBottom = 4; }},
      {"PRINT MLINE", [](auto& s) { s.Print.MarginLine = 6; }},
      {"PRINT HEADER", [](auto& s) { s.Print.Header = u"&f ページ &p"; }},
      {"PRINT FOOTER", [](auto& s) { s.Print.Footer = u"— &d —"; }},
      {"PRINT HEADERPOS", [](auto& s) { s.Print.HeaderPos = 3; }},
      {"PRINT FOOTERPOS", [](auto& s) { s.Print.FooterPos = 2; }},
      {"SAVE ADDTXT", [](auto& s) { s.AddTxt = false; }},
      {"SAVE RECENT", [](auto& s) { s.RecentSaved = u"/tmp/最後.txt"; }},
      {"SEARCH IGCASE", [](auto& s) { s.Search.IgnoreCase = false; }},
      {"SEARCH CONFIRM", [](auto& s) { s.Search.Confirm = false; }},
      {"SEARCH REGEX", [](auto& s) { s.Search.Regex = true; }},
      {"SEARCH LOOP", [](auto& s) { s.Search.Loop = false; }},
      {"HIST1",
       [](auto& s) {
         s.History.OpenLog = {u"/a/ファイル.txt", u"/b/c.txt"};
       }},
      {"HIST2", [](auto& s) { s.History.ToolLog = {u"/usr/bin/gedit"}; }},
      {"HIST3",
       [](auto& s) {
         s.History.DirList = {u"/a/", u"/b/"};
       }},
      {"HIST5",
       [](auto& s) {
         s.History.SearchList = {u" 前後に空白 ", u"a+b", u"行1\n行2"};
       }},
      {"HIST6", [](auto& s) { s.History.ReplaceList = {u"置換"}; }},
      {"HIST7",
       [](auto& s) {
         s.History.FontList = {u"IPAGothic", u"Noto Sans CJK JP"};
       }},
  };
  for (int i = 0; i < 5; ++i)
    c.push_back({"TBToolBar ON/OFF", [i](auto& s) { s.ToolBars.Visible[i] = !s.ToolBars.Visible[i]; }});
  for (int i = 0; i < 3; ++i) {
    c.push_back({"TBToolBar POS", [i](auto& s) { s.ToolBars.Pos[i] = 3 - i; }});
    c.push_back({"TBToolBar DOCKPOS", [i](auto& s) { s.ToolBars.DockPos[i] = 100 + i; }});
    c.push_back({"TBToolBar DOCKROW", [i](auto& s) { s.ToolBars.DockRow[i] = 5 + i; }});
  }
  for (int i = 0; i < kTokenElementCount; ++i) {
    if (i != kUnicodeTokenElement)
      c.push_back({"COLOR2", [i](auto& s) { s.View.TokenColors[i] = 0x100 + i; }});
    c.push_back({"STYLE", [i](auto& s) {
                   s.View.TokenStyles[i] = static_cast<uint8_t>((s.View.TokenStyles[i] + 3) & 15);
                 }});
  }
  for (int i = 0; i < kModeExtCount; ++i) c.push_back({"MODE", [i](auto& s) { s.ModeExt[i] = u".x;.日本"; }});
  for (int i = 0; i < kScriptSlotCount; ++i)
    c.push_back({"WSH", [i](auto& s) {
                   s.ScriptPaths[i] = u"/scripts/スクリプト" + std::u16string(1, u'a' + i) + u".js";
                 }});
  for (int i = 0; i < kShortCutCount; ++i)
    if (!kShortCutEntries[i].IsHeader())
      c.push_back(
          {"SHORTCUT", [i](auto& s) { s.Shortcuts.Values[i] = static_cast<uint16_t>(0x8000 | (0x41 + i)); }});
  return c;
}

bool SaveAll(TSettingsStore& store, const TKelpSettings& s) {
  return store.SaveSettings(s) && store.WriteHistIni(s) && store.SaveShortcuts(s.Shortcuts);
}

// Writes with all three writers, turns the file into bytes and back, reads.
TKelpSettings RoundTripInMemory(const TKelpSettings& s, const TKelpSettings& defaults) {
  TMemIniFileW written;
  WriteSettingsSections(written, s);
  WriteHistorySections(written, s);
  WriteShortcutSection(written, s.Shortcuts);
  TMemIniFileW read;
  read.SetText(DecodeIniFileBytes(EncodeIniFileText(written.GetText())));
  TKelpSettings out = defaults;
  ReadSettings(read, out);
  return out;
}

TEST(SettingsModel, EveryValueRoundTripsThroughTheWriters) {
  TempDir dir;
  const TKelpSettings defaults = DefaultSettings();
  TKelpSettings all = defaults;
  for (const auto& change : EveryStoredValue()) {
    TKelpSettings one = defaults;
    change.apply(one);
    ASSERT_NE(one, defaults) << change.what;  // the change really changes something
    EXPECT_EQ(RoundTripInMemory(one, defaults), one) << change.what;
    change.apply(all);
  }
  TSettingsStore store(dir.File("all.ini"));
  ASSERT_TRUE(SaveAll(store, all));
  EXPECT_EQ(store.Load(defaults), all);
  // The Unicode element's colour is not stored: it is 128 at every start.
  all.View.TokenColors[kUnicodeTokenElement] = 7;
  ASSERT_TRUE(SaveAll(store, all));
  EXPECT_EQ(store.Load(defaults).View.TokenColors[kUnicodeTokenElement], 128);
}

TEST(SettingsModel, TheWritersStoreEverySectionAndKey) {
  TempDir dir;
  TSettingsStore store(dir.File("kelp.ini"));
  ASSERT_TRUE(store.SaveSettings(DefaultSettings()));
  const std::vector<std::u16string> settings_order = {
      u"RECT",    u"RECT2",  u"TBToolBar", u"WORDWRAP", u"FONT",  u"COLOR1", u"SHOW", u"CARET",
      u"LEFTBAR", u"COLOR2", u"STYLE",     u"MODE",     u"PRINT", u"BITMAP", u"SAVE", u"UNICODE"};
  EXPECT_EQ(TMemIniFileW(store.FileName()).ReadSections(), settings_order);
  ASSERT_TRUE(store.WriteHistIni(DefaultSettings()));
  ASSERT_TRUE(store.SaveShortcuts(TShortCutList::Defaults()));
  const TMemIniFileW ini(store.FileName());
  const std::pair<const char16_t*, size_t> keys[] = {
      {u"RECT", 5},    {u"RECT2", 2},  {u"TBToolBar", 14}, {u"WORDWRAP", 3},  {u"FONT", 3},
      {u"COLOR1", 14}, {u"SHOW", 9},   {u"CARET", 3},      {u"LEFTBAR", 1},   {u"COLOR2", 22},
      {u"STYLE", 23},  {u"MODE", 14},  {u"PRINT", 15},     {u"BITMAP", 3},    {u"SAVE", 2},
      {u"SEARCH", 4},  {u"HIST1", 30}, {u"HIST2", 30},     {u"HIST3", 30},    {u"HIST5", 30},
      {u"HIST6", 30},  {u"HIST7", 30}, {u"WSH", 12},       {u"SHORTCUT", 67}, {u"UNICODE", 1},
  };
  for (const auto& [section, count] : keys) {
    EXPECT_EQ(ini.ReadSection(section).size(), count) << std::string(section, section + 3);
  }
  EXPECT_EQ(ini.ReadSections().size(), std::size(keys));
  EXPECT_EQ(ini.ReadSection(u"WSH").back(), u"BTNC");
  EXPECT_EQ(ini.ReadSection(u"SHORTCUT").front(), u"New");
  EXPECT_EQ(ini.ReadSection(u"SHORTCUT").back(), u"ScriptExec12");
  EXPECT_EQ(ini.ReadInteger(u"SHORTCUT", u"CloseAll", 0), 24663);
  EXPECT_EQ(ini.ReadInteger(u"STYLE", u"HIGHLIGHT", 0), 5);
  EXPECT_EQ(ini.ReadInteger(u"COLOR1", u"WIDECHAR", 0), 65535);
}

TEST(SettingsModel, MissingFileOrNoFileNameGivesDefaults) {
  TempDir dir;
  const TKelpSettings defaults = DefaultSettings();
  EXPECT_EQ(TSettingsStore(dir.File("none.ini")).Load(defaults), defaults);
  TSettingsStore unnamed("");
  EXPECT_EQ(unnamed.Load(defaults), defaults);
  EXPECT_FALSE(unnamed.SaveSettings(defaults));
  EXPECT_FALSE(unnamed.WriteLocked());
  EXPECT_EQ(defaults.View.TokenColors[0], 12632256);
  EXPECT_EQ(defaults.View.TokenStyles[1], 5);
  EXPECT_EQ(defaults.ModeExt[6], u".c;.cpp;.h;.hpp");
  EXPECT_EQ(defaults.Shortcuts, TShortCutList::Defaults());
}

TEST(SettingsModel, ReadsTheHistoricalFormatInEveryEncoding) {
  const char* data = std::getenv("KELP_TEST_DATA");
  ASSERT_NE(data, nullptr);
  const TKelpSettings defaults = DefaultSettings();
  TKelpSettings expected = defaults;
  expected.Window = {32, 16, 1024, 768, true};
  expected.ToolBars.Visible[2] = true;
  expected.ToolBars.Pos[1] = 0;  // 7 is no dock: top
  expected.ToolBars.DockRow[0] = 2;
  expected.View.WrapType = 1;
  expected.View.WrapCount = 80;
  expected.View.RulerEnabled = false;
  expected.View.FontName = u"ＭＳ ゴシック";
  expected.View.FontHeight = 18;
  expected.View.ColorBack = 0xF0F0F0;
  expected.View.TokenColors[0] = 255;
  expected.View.TokenStyles[0] = 7;  // 23: only the four style bits are kept
  expected.ModeExt[0] = u".htm;.html;.php;.xml;.shtml";
  expected.Print.Header = u"&p ページ";  // hand-written text, not UTF-7
  expected.Print.Footer = u"ページ";
  expected.History.OpenLog = {u"C:\\Users\\太郎\\メモ.txt", u"D:\\work\\readme.txt"};
  expected.History.SearchList = {u"検索語", u"a+b"};
  expected.Search.IgnoreCase = false;
  expected.AddTxt = false;
  expected.ScriptPaths[0] = u"C:\\scripts\\整形.js";
  expected.Shortcuts.Values[22] = 0x4046;
  expected.Shortcuts.Values[25] = 16454;
  for (const char* name : {"historical_sjis.ini", "historical_utf16le_bom.ini", "historical_utf8_bom.ini"}) {
    const TKelpSettings s = TSettingsStore(std::string(data) + "/settings/" + name).Load(defaults);
    EXPECT_EQ(s, expected) << name;
    EXPECT_FALSE(s.Shortcuts.CanApply()) << name;  // Find and Replace share Ctrl+F
  }
}

TEST(SettingsModel, CorruptFileGivesDefaultsForWhatCannotBeRead) {
  TempDir dir;
  const std::string path = dir.File("kelp.ini");
  testing::WriteBytes(
      path,
      "[RECT]\nTOP=abc\nLEFT=0x\nRIGHT=\nBOTTOM=99999999999\nMAXIMIZED=yes\n"
      "[WORDWRAP]\nTYPE=9\nCOUNT=5\n[FONT]\nSIZE=-4\nLINEMARGIN=40\nNAME=+ZZZ-\n"
      "[PRINT]\nMODE=7\nHEADERPOS=-1\n[SHORTCUT]\nNew=70000\nSave=-1\n[TBToolBar]\nPOS1=x\n[STY");
  const TKelpSettings defaults = DefaultSettings();
  TKelpSettings expected = defaults;
  expected.View.WrapCount = 20;       // clamped into 20 ... 4000
  expected.View.LineMargin = 16;      // clamped into 0 ... 16
  expected.View.FontName = u"+ZZZ-";  // not UTF-7: taken as it stands
  EXPECT_EQ(TSettingsStore(path).Load(defaults), expected);
}

TEST(SettingsModel, WritersKeepTheKeysOfOtherWriters) {
  TempDir dir;
  const std::string path = dir.File("kelp.ini");
  testing::WriteBytes(path, "[OTHER]\nKEEP=me\n[GREP]\nDIR0=+MEI-\n");
  TSettingsStore store(path);
  TKelpSettings s = DefaultSettings();
  s.Shortcuts.Values[1] = 0;
  ASSERT_TRUE(store.SaveShortcuts(s.Shortcuts));
  s.View.TabCount = 3;
  ASSERT_TRUE(store.SaveSettings(s));
  s.History.OpenLog = {u"/x"};
  ASSERT_TRUE(store.WriteHistIni(s));
  const TMemIniFileW ini(path);
  EXPECT_EQ(ini.ReadString(u"OTHER", u"KEEP", u""), u"me");
  EXPECT_EQ(store.LoadGrep().Dirs, std::vector<std::u16string>{u"あ"});
  EXPECT_EQ(store.Load(DefaultSettings()), s);
}

TEST(SettingsModel, AFailedWriteLocksTheFileAndLeavesItIntact) {
  const WriteFaults faults[] = {
      {.writeLimit = 512},  // the disk fills up half-way through the new file
      {.sync = true},
      {.rename = true},
  };
  for (const auto& fault : faults) {
    TempDir dir;
    TSettingsStore store(dir.File("kelp.ini"));
    TKelpSettings s = DefaultSettings();
    ASSERT_TRUE(SaveAll(store, s));
    const std::string before = ReadBytes(store.FileName());
    ASSERT_GT(before.size(), 2000u);

    s.View.TabCount = 2;
    bool written = true;
    {
      testing::ScopedWriteFaults failing(fault);
      written = store.SaveSettings(s);
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(store.WriteLocked());
    EXPECT_EQ(ReadBytes(store.FileName()), before);
    EXPECT_FALSE(store.WriteHistIni(s));  // locked for the rest of the run
    EXPECT_FALSE(store.SaveShortcuts(s.Shortcuts));
    EXPECT_FALSE(store.SaveGrep({}));
    EXPECT_EQ(ReadBytes(store.FileName()), before);
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1u);  // no temporary file left behind
  }
  TempDir dir;
  TSettingsStore nowhere(dir.File("missing-folder/kelp.ini"));
  EXPECT_FALSE(nowhere.SaveSettings(DefaultSettings()));
  EXPECT_TRUE(nowhere.WriteLocked());
}

TEST(SettingsModel, HistoriesKeepThirtyEntriesMostRecentFirst) {
  std::vector<std::u16string> list = {u"/a/File.txt", u"/b", u"/c"};
  AddHistoryEntry(list, u"/A/file.TXT", /*ignore_case=*/true);
  EXPECT_EQ(list, (std::vector<std::u16string>{u"/A/file.TXT", u"/b", u"/c"}));
  AddHistoryEntry(list, u"/c", true);
  EXPECT_EQ(list, (std::vector<std::u16string>{u"/c", u"/A/file.TXT", u"/b"}));
  std::vector<std::u16string> paths = {u"/Ébauche/Ω.txt"};
  AddHistoryEntry(paths, u"/ébauche/ω.txt", true);
  EXPECT_EQ(paths, std::vector<std::u16string>{u"/ébauche/ω.txt"});
  std::vector<std::u16string> words = {u"Word"};
  AddHistoryEntry(words, u"word", /*ignore_case=*/false);
  EXPECT_EQ(words, (std::vector<std::u16string>{u"word", u"Word"}));

  TempDir dir;
  TSettingsStore store(dir.File("kelp.ini"));
  TKelpSettings s = DefaultSettings();
  for (int i = 0; i < 35; ++i)
    AddHistoryEntry(s.History.SearchList, u"w" + std::u16string(1, u'A' + i), false);
  ASSERT_TRUE(store.WriteHistIni(s));
  const auto loaded = store.Load(DefaultSettings()).History.SearchList;
  ASSERT_EQ(loaded.size(), 30u);
  EXPECT_EQ(loaded.front(), s.History.SearchList.front());
  EXPECT_EQ(loaded.back(), s.History.SearchList[29]);
  // A shorter list later empties the slots beyond it.
  s.History.SearchList.resize(2);
  ASSERT_TRUE(store.WriteHistIni(s));
  EXPECT_EQ(store.Load(DefaultSettings()).History.SearchList, s.History.SearchList);
}

TEST(SettingsModel, GrepSectionKeepsKeysBeyondItsLists) {
  TempDir dir;
  TSettingsStore store(dir.File("kelp.ini"));
  TGrepSettings g;
  g.Dirs = {u"/新しい", u"/old"};
  g.Patterns = {u"foo", u"ba[rz]", u"正規"};
  g.SubDir = true;
  g.Short = true;
  ASSERT_TRUE(store.SaveGrep(g));
  EXPECT_EQ(store.LoadGrep(), g);
  TGrepSettings shorter;
  shorter.Dirs = {u"/only"};
  ASSERT_TRUE(store.SaveGrep(shorter));
  const TGrepSettings read = store.LoadGrep();
  EXPECT_EQ(read.Dirs, (std::vector<std::u16string>{u"/only", u"/old"}));
  EXPECT_EQ(read.Patterns, g.Patterns);
  EXPECT_FALSE(read.SubDir);
}

TEST(SettingsModel, WindowIsFittedIntoTheWorkArea) {
  struct Case {
    TWindowSettings in;
    TWindowSettings out;
  } cases[] = {
      {{0, 0, 3000, 500, false}, {0, 0, 1920, 500, false}},
      {{100, 1000, 1200, 800, true}, {100, 720, 1200, 800, true}},
      {{900, 10, 800, 600, false}, {480, 10, 800, 600, false}},
      {{-50, 5, 800, 2000, false}, {0, 5, 800, 1080, false}},
      {{10, 10, 800, 600, false}, {10, 10, 800, 600, false}},
  };
  for (const auto& c : cases) EXPECT_EQ(FitWindowToWorkArea(c.in, 1920, 1080), c.out) << c.in.Left;
}

}  // namespace
}  // namespace kelp
