#pragma once
// Every value the settings file keeps, with its type and default, and the
// reading and writing of each section.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/mem_ini_file.h"
#include "settings/shortcut_list.h"

namespace kelp {

inline constexpr int32_t kNoColor = 0x1FFFFFFF;  // "no colour": the element falls back
inline constexpr int kHistoryFileSlots = 30;     // history entries kept in the file
inline constexpr int kTokenElementCount = 23;
inline constexpr int kModeExtCount = 14;  // syntax modes 1 ... 14 (the default mode has no list)
inline constexpr int kScriptSlotCount = 12;
inline constexpr int kGrepHistoryCount = 10;

// "RECT": the main window in its normal state.
struct TWindowSettings {
  int32_t Top = 0, Left = 0, Width = 800, Height = 600;
  bool Maximized = false;
  friend bool operator==(const TWindowSettings&, const TWindowSettings&) = default;
};

// "TBToolBar": the three toolbars, the status bar and the tab strip.
struct TToolBarSettings {
  std::array<bool, 5> Visible{true, true, false, true, true};  // ON/OFF1 ... ON/OFF5
  std::array<int32_t, 3> Pos{0, 0, 0};                         // dock: 0 top, 1 right, 2 bottom, 3 left
  std::array<int32_t, 3> DockPos{0, 0, 0};                     // position within the dock row
  std::array<int32_t, 3> DockRow{0, 1, 2};
  friend bool operator==(const TToolBarSettings&, const TToolBarSettings&) = default;
};

// The view options kept in "WORDWRAP", "FONT", "COLOR1", "SHOW", "CARET",
// "LEFTBAR", "COLOR2", "STYLE" and "BITMAP". Colours are 0x00BBGGRR.
struct TViewSettings {
  int32_t WrapType = 0;    // 0 none, 1 at the wrap width, 2 at the window edge
  int32_t WrapCount = 70;  // 20 ... 4000 width units
  bool RulerEnabled = true;

  std::u16string FontName;
  int32_t FontHeight = 16;  // pixels, stored positive
  int32_t LineMargin = 2;   // 0 ... 16

  int32_t ColorFore = 0x000000, ColorBack = 0xFFFFFF, ColorRuler = 0x008000, ColorLeftBar = 0x008000,
          ColorCaretLine = 0xFF0000, ColorSBSpace = 0xC0C0C0, ColorDBSpace = 0xFF0000, ColorTab = 0xFF0000,
          ColorEOF = 0xC0C0C0, ColorLineEnd = 0x808000, ColorWrap = 0xFF00FF, ColorWrapLine = 0x008000,
          ColorWideChar = 65535, ColorMark = 65535;

  bool ShowRuler = true, ShowLeftBar = true, ShowSBSpace = false, ShowDBSpace = false, ShowTab = false,
       ShowEOF = false, ShowLineEnd = true, ShowWrap = false, ShowWrapLine = true;

  int32_t TabCount = 8;
  int32_t AutoIndent = 1;
  bool KeepCol = false;
  bool LeftBarCountWrap = true;

  // Token elements in field order (Control ... Here). The Unicode element's
  // colour is not stored: it is 128 at every start.
  std::array<int32_t, kTokenElementCount> TokenColors{};
  std::array<uint8_t, kTokenElementCount> TokenStyles{};  // 1 bold, 2 italic, 4 underline, 8 strike-out

  std::u16string BackGroundBMP;
  int32_t AlphaBlend = 70;
  bool DrawNot = false;

  friend bool operator==(const TViewSettings&, const TViewSettings&) = default;
};

// "PRINT".
struct TPrintSettings {
  std::u16string FontName;
  int32_t FontSize = 10;
  bool LineNumber = false;  // "NUMBERED"
  int32_t PrintMode = 0;    // 0 black and white, 1 with font styles, 2 token colours
  int32_t ColumnCount = 1;
  int32_t ColumnSpace = 10;  // millimetres
  int32_t MarginLeft = 5, MarginTop = 5, MarginRight = 5, MarginBottom = 5;
  int32_t MarginLine = 0;
  std::u16string Header, Footer;
  int32_t HeaderPos = 0, FooterPos = 0;  // 0 none, 1 left, 2 centre, 3 right
  friend bool operator==(const TPrintSettings&, const TPrintSettings&) = default;
};

// "SEARCH".
struct TSearchSettings {
  bool IgnoreCase = true, Confirm = true, Regex = false, Loop = true;
  friend bool operator==(const TSearchSettings&, const TSearchSettings&) = default;
};

// The history lists, most recent first ("HIST1" ... "HIST7" without 4).
struct THistorySettings {
  std::vector<std::u16string> OpenLog, ToolLog, DirList, SearchList, ReplaceList, FontList;
  friend bool operator==(const THistorySettings&, const THistorySettings&) = default;
};

// Everything the main window loads at start-up.
struct TKelpSettings {
  TWindowSettings Window;
  int32_t DialogTop = 0, DialogLeft = 0;  // "RECT2": search and replace dialogs
  TToolBarSettings ToolBars;
  TViewSettings View;
  std::array<std::u16string, kModeExtCount> ModeExt;  // "MODE": HTML ... UWSC
  TPrintSettings Print;
  bool AddTxt = true;          // "SAVE" "ADDTXT"
  std::u16string RecentSaved;  // "SAVE" "RECENT"
  TSearchSettings Search;
  THistorySettings History;
  std::array<std::u16string, kScriptSlotCount> ScriptPaths;  // "WSH" "BTN1" ... "BTNC"
  TShortCutList Shortcuts = TShortCutList::Defaults();
  friend bool operator==(const TKelpSettings&, const TKelpSettings&) = default;
};

// What the editor control and the main window give as defaults.
struct TEditorDefaults {
  std::u16string FontName = u"IPAGothic";  // the editor font of a new view
  int32_t FontHeight = 13;                 // pixels: 10 points at 96 dots per inch
  int32_t FontSize = 10;                   // points, the print font's default
  TWindowSettings Window;
};

// The defaults of every setting: a bare view's options with the main window's
// token colours and styles, the built-in extension lists, the print defaults.
TKelpSettings DefaultSettings(const TEditorDefaults& editor = {});

// The keys of the token elements in "COLOR2" and "STYLE", in field order.
extern const std::array<const char16_t*, kTokenElementCount> kTokenElementKeys;
inline constexpr int kUnicodeTokenElement = 18;  // no "COLOR2" key
// The keys of "MODE" and the built-in extension lists, for modes 1 ... 14.
extern const std::array<const char16_t*, kModeExtCount> kModeExtKeys;
extern const std::array<const char16_t*, kModeExtCount> kDefaultModeExt;

// Reading: each value read replaces the one in `s`, which holds the defaults;
// a missing or unreadable value leaves it unchanged.
void ReadHistories(const TMemIniFileW& ini, THistorySettings& h);
void ReadSettings(const TMemIniFileW& ini, TKelpSettings& s);  // the whole file
void ReadShortcuts(const TMemIniFileW& ini, TShortCutList& list);

// Writing, each the keys of one writer in its order.
void WriteSettingsSections(TMemIniFileW& ini, const TKelpSettings& s);  // SaveSettings
void WriteHistorySections(TMemIniFileW& ini, const TKelpSettings& s);   // MMAppWriteHistINI
void WriteShortcutSection(TMemIniFileW& ini, const TShortCutList& list);

// Moves an entry to the front of a history list; an equal entry (compared
// without regard to case when `ignore_case`) is removed first.
void AddHistoryEntry(std::vector<std::u16string>& list, std::u16string_view entry, bool ignore_case);

// Fits the window into a work area of the given size: a window reaching past
// the right edge moves left, and when it is wider than the area it takes the
// whole width at left 0; the same vertically.
TWindowSettings FitWindowToWorkArea(TWindowSettings w, int32_t work_width, int32_t work_height);

// The grep window's section "GREP".
struct TGrepSettings {
  std::vector<std::u16string> Dirs, Patterns;  // most recent first, at most ten each
  bool SubDir = false, Case = false, Short = false;
  friend bool operator==(const TGrepSettings&, const TGrepSettings&) = default;
};
TGrepSettings ReadGrepSection(const TMemIniFileW& ini);
void WriteGrepSection(TMemIniFileW& ini, const TGrepSettings& g);

}  // namespace kelp
