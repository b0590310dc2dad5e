#pragma once
// The configurable shortcuts of the main window: 74 entries (seven of them
// group headers), their defaults, their keys in the "SHORTCUT" section and the
// texts the shortcut dialog shows.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelp {

// Modifier bits of a 16-bit shortcut value; the low byte is the key code.
inline constexpr uint16_t kShortCutShift = 0x2000;
inline constexpr uint16_t kShortCutCtrl = 0x4000;
inline constexpr uint16_t kShortCutAlt = 0x8000;

inline constexpr int kShortCutCount = 74;
inline constexpr int kShortCutKeyCount = 67;  // entries that are not headers

struct TShortCutEntry {
  const char16_t* Field;    // "actionNew"
  const char16_t* Label;    // dialog label
  const char16_t* Command;  // the command it configures; nullptr for a header
  const char16_t* Key;      // key in "SHORTCUT"; nullptr for a header
  uint16_t Default;         // 0 = none
  bool IsHeader() const { return Key == nullptr; }
};

// The 74 entries in list order.
extern const std::array<TShortCutEntry, kShortCutCount> kShortCutEntries;

struct TShortCutList {
  std::array<uint16_t, kShortCutCount> Values{};

  // Every entry at its command's default shortcut.
  static TShortCutList Defaults();
  // True when no two non-header entries hold the same non-zero value; only then
  // are loaded shortcuts given to the commands.
  bool CanApply() const;
  friend bool operator==(const TShortCutList&, const TShortCutList&) = default;
};

// "Shift+Ctrl+F5" and so on: the modifiers in the order Shift, Ctrl, Alt, then
// the key's name. 0 gives an empty text. A key code without a name is written
// as "$" and two hexadecimal digits, so that every value has a text.
std::u16string ShortCutToText(uint16_t shortcut);
// The inverse of ShortCutToText; "(なし)", an empty or an unknown text gives 0.
uint16_t TextToShortCut(std::u16string_view text);

inline constexpr std::u16string_view kNoShortCutText = u"(なし)";
// The 135 texts the dialog offers, "(なし)" first.
const std::vector<std::u16string>& ShortCutKeyList();

// The rows of the shortcut dialog: one text per entry, empty for headers.
using TShortCutTexts = std::array<std::u16string, kShortCutCount>;
// SetShortCutList: the text of every entry's shortcut.
TShortCutTexts ShortCutTextsOf(const TShortCutList& list);
// GetShortCutList: every non-header entry takes the value of its row's text
// ("(なし)" gives 0); headers keep the values they had in `list`.
void ApplyShortCutTexts(const TShortCutTexts& texts, TShortCutList& list);
// What a row shows: its text when the key list offers it, otherwise "(なし)".
std::u16string ShownShortCutText(std::u16string_view text);
// Rows whose text (neither empty nor "(なし)") equals another row's text; OK is
// enabled only when there is none.
std::array<bool, kShortCutCount> DuplicateShortCutRows(const TShortCutTexts& texts);

}  // namespace kelp
