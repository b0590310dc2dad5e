#include "settings/shortcut_list.h"

#include <algorithm>
#include <set>

namespace kelp {

const std::array<TShortCutEntry, kShortCutCount> kShortCutEntries = {{
    {u"menuFile", u"---ファイル---", nullptr, nullptr, 0},
    {u"actionNew", u"新規作成", u"FileNew1", u"New", 16462},
    {u"actionFileOpen", u"ファイルを開く", u"FileOpen1", u"FileOpen", 16463},
    {u"actionReload", u"開き直す", u"ActionReload1", u"Reload", 116},
    {u"actionParent", u"親フォルダを開く", u"ActionParent1", u"Parent", 0},
    {u"actionSave", u"上書き保存", u"ActionSaved1", u"Save", 16467},
    {u"actionSaveAs", u"名前を付けて保存", u"ActionSavedAs1", u"SaveAs", 0},
    {u"actionClose", u"閉じる", u"FileClose1", u"Close", 16471},
    {u"actionCloseAll", u"全部閉じる", u"ActionAllClose1", u"CloseAll", 24663},
    {u"actionPrint", u"印刷", u"ActionPrint1", u"Print", 16464},
    {u"menuEdit", u"---編集---", nullptr, nullptr, 0},
    {u"actionUndo", u"元に戻す", u"ActionUndo1", u"Undo", 16474},
    {u"actionRedo", u"やり直す", u"ActionRedo1", u"Redo", 16473},
    {u"actionCut", u"切り取り", u"ActionCut1", u"Cut", 16472},
    {u"actionCopy", u"コピー", u"ActionCopy1", u"Copy", 16451},
    {u"actionPaste", u"貼り付け", u"ActionPaste1", u"Paste", 16470},
    {u"actionDelete", u"削除", u"ActionDelete1", u"Delete", 0},
    {u"actionSelAll", u"すべて選択", u"ActionSelAll1", u"SelAll", 16449},
    {u"actionGoLine", u"行へ移動", u"ActionGoLine1", u"GoLine", 0},
    {u"actionDateTime", u"日付と時刻", u"ActionDateTime1", u"DateTime", 0},
    {u"actionComplete", u"入力補完", u"ActionComplete1", u"Complete", 16416},
    {u"menuSearch", u"---検索---", nullptr, nullptr, 0},
    {u"actionFind", u"検索", u"ActionSearch1", u"Find", 16454},
    {u"actionFindPrev", u"上を検索", u"ActionFindPrev1", u"FindPrev", 8306},
    {u"actionFindNext", u"下を検索", u"ActionFindNext1", u"FindNext", 114},
    {u"actionReplace", u"置換", u"ActionReplace1", u"Replace", 16466},
    {u"actionClearHL", u"検索ハイライト解除", u"ActionClearFindString1", u"ClearHL", 0},
    {u"actionMarkAdd", u"しおりを設置", u"ActionAddMark1", u"MarkAdd", 0},
    {u"actionMarkJump", u"しおり行へ移動", u"ActionMarkJump1", u"MarkJump", 0},
    {u"actionMarkDelete", u"しおりを削除", u"ActionMarkDelete1", u"MarkDel", 0},
    {u"actionGoogle", u"Google 日本語", u"ActionGoogle1", u"Google", 0},
    {u"actionWebAll", u"Google ウェブ全体", u"ActionWebAll1", u"WebAll", 0},
    {u"actionYahoo", u"Yahoo! 辞書", u"ActionYahoo1", u"Yahoo", 0},
    {u"actionGrep", u"テキストファイル検索", u"ActionGrep1", u"Grep", 0},
    {u"menuView", u"---表示---", nullptr, nullptr, 0},
    {u"actionWrapNone", u"折り返さない", u"ActionWrapNone1", u"WrapNone", 0},
    {u"actionWrapCount", u"指定数で折り返し", u"ActionWrapCount1", u"WrapCount", 0},
    {u"actionWrapRight", u"右端で折り返し", u"ActionWrapRight1", u"WrapRight", 0},
    {u"actionFontUp", u"フォント拡大", u"ActionFontUP1", u"FontUp", 16491},
    {u"actionFontDown", u"フォント縮小", u"ActionFontDown1", u"FontDown", 16493},
    {u"menuCommand", u"---特殊---", nullptr, nullptr, 0},
    {u"actionFolder", u"フォルダを参照", u"OpenDir1", u"Folder", 0},
    {u"actionRun", u"関連づけで開く", u"ActionRun1", u"Run", 120},
    {u"actionRunAs", u"別のソフトで開く", u"ActionRunAs1", u"RunAs", 0},
    {u"actionReturned", u"折り返しを改行に変換", u"mReturn1", u"Returned", 0},
    {u"actionCRLF", u"改行コードCRLFに変更", u"menuCRLF1", u"CRLF", 0},
    {u"actionLF", u"改行コードLFに変更", u"menuLF1", u"LF", 0},
    {u"actionCR", u"改行コードCRに変更", u"menuCR1", u"CR", 0},
    {u"actionHanZen", u"半角→全角", u"mHanZen", u"HanZen", 0},
    {u"actionZenhan", u"全角→半角", u"mZenHan", u"ZenHan", 0},
    {u"actionHanToZen", u"半ｶﾅ→全カナ", u"mZenKana1", u"HanToZen", 0},
    {u"actionZenToHan", u"全カナ→半ｶﾅ", u"mHanKana1", u"ZenToHan", 0},
    {u"actionHiraToKata", u"全かな→全カナ", u"mKataKana1", u"HiraToKata", 0},
    {u"actionKataToHira", u"全カナ→全かな", u"mHiraKana1", u"KataToHira", 0},
    {u"actionToUpper", u"小文字→大文字", u"menuUpper1", u"ToUpper", 0},
    {u"actionToLower", u"大文字→小文字", u"menuLower1", u"ToLower", 0},
    {u"actionRegWord", u"IME単語登録", u"ActionImeDicReg1", u"RegWord", 0},
    {u"actionImeChange", u"入力言語切り替え", u"ActionImeChange1", u"ImeChange", 0},
    {u"actionKeyRec", u"キーボード操作の記録/停止", u"ActionKeyRec1", u"KeyRec", 0},
    {u"actionKeyPlay", u"キーボード操作の再生", u"ActionKeyPlay1", u"KeyPlay", 0},
    {u"menuHelp", u"---ヘルプ---", nullptr, nullptr, 0},
    {u"toolbarScript", u"---ツールバー---", nullptr, nullptr, 0},
    {u"actionScriptExec1", u"登録済スクリプト1実行", u"ActionScriptExec1", u"ScriptExec1", 0},
    {u"actionScriptExec2", u"登録済スクリプト2実行", u"ActionScriptExec2", u"ScriptExec2", 0},
    {u"actionScriptExec3", u"登録済スクリプト3実行", u"ActionScriptExec3", u"ScriptExec3", 0},
    {u"actionScriptExec4", u"登録済スクリプト4実行", u"ActionScriptExec4", u"ScriptExec4", 0},
    {u"actionScriptExec5", u"登録済スクリプト5実行", u"ActionScriptExec5", u"ScriptExec5", 0},
    {u"actionScriptExec6", u"登録済スクリプト6実行", u"ActionScriptExec6", u"ScriptExec6", 0},
    {u"actionScriptExec7", u"登録済スクリプト7実行", u"ActionScriptExec7", u"ScriptExec7", 0},
    {u"actionScriptExec8", u"登録済スクリプト8実行", u"ActionScriptExec8", u"ScriptExec8", 0},
    {u"actionScriptExec9", u"登録済スクリプト9実行", u"ActionScriptExec9", u"ScriptExec9", 0},
    {u"actionScriptExec10", u"登録済スクリプト10実行", u"ActionScriptExec10", u"ScriptExec10", 0},
    {u"actionScriptExec11", u"登録済スクリプト11実行", u"ActionScriptExec11", u"ScriptExec11", 0},
    {u"actionScriptExec12", u"登録済スクリプト12実行", u"ActionScriptExec12", u"ScriptExec12", 0},
}};

TShortCutList TShortCutList::Defaults() {
  TShortCutList list;
  for (int i = 0; i < kShortCutCount; ++i) list.Values[i] = kShortCutEntries[i].Default;
  return list;
}

bool TShortCutList::CanApply() const {
  std::set<uint16_t> seen;
  for (int i = 0; i < kShortCutCount; ++i) {
    if (kShortCutEntries[i].IsHeader() || Values[i] == 0) continue;
    if (!seen.insert(Values[i]).second) return false;
  }
  return true;
}

namespace {

struct NamedKey {
  uint8_t code;
  const char16_t* name;
};

// Keys with names of their own; letters, digits and F1 ... F12 are made below.
constexpr NamedKey kNamedKeys[] = {
    {0x08, u"BkSp"},  {0x09, u"Tab"},   {0x0D, u"Enter"}, {0x1B, u"Esc"},   {0x20, u"Space"},
    {0x21, u"PgUp"},  {0x22, u"PgDn"},  {0x23, u"End"},   {0x24, u"Home"},  {0x25, u"Left"},
    {0x26, u"Up"},    {0x27, u"Right"}, {0x28, u"Down"},  {0x2D, u"Ins"},   {0x2E, u"Del"},
    {0x6A, u"Num *"}, {0x6B, u"Num +"}, {0x6D, u"Num -"}, {0x6F, u"Num /"},
};

std::u16string KeyName(uint8_t code) {
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return std::u16string(1, char16_t(code));
  if (code >= 0x70 && code <= 0x7B) {
    std::u16string s = u"F";
    const int n = code - 0x70 + 1;
    if (n >= 10) s.push_back(u'1');
    s.push_back(char16_t(u'0' + n % 10));
    return s;
  }
  for (const auto& k : kNamedKeys)
    if (k.code == code) return k.name;
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  return {u'$', kHex[code >> 4], kHex[code & 15]};
}

}  // namespace

std::u16string ShortCutToText(uint16_t shortcut) {
  if (shortcut == 0) return {};
  std::u16string text;
  if (shortcut & kShortCutShift) text += u"Shift+";
  if (shortcut & kShortCutCtrl) text += u"Ctrl+";
  if (shortcut & kShortCutAlt) text += u"Alt+";
  return text + KeyName(static_cast<uint8_t>(shortcut & 0xFF));
}

uint16_t TextToShortCut(std::u16string_view text) {
  if (text.empty() || text == kNoShortCutText) return 0;
  uint16_t mods = 0;
  for (bool more = true; more;) {
    more = false;
    for (const auto& [prefix, bit] : {std::pair<std::u16string_view, uint16_t>{u"Shift+", kShortCutShift},
                                      {u"Ctrl+", kShortCutCtrl},
                                      {u"Alt+", kShortCutAlt}}) {
      if (text.size() > prefix.size() && text.starts_with(prefix)) {
        mods |= bit;
        text.remove_prefix(prefix.size());
        more = true;
      }
    }
  }
  for (int code = 1; code < 256; ++code)
    if (KeyName(static_cast<uint8_t>(code)) == text) return static_cast<uint16_t>(mods | code);
  return 0;
}

const std::vector<std::u16string>& ShortCutKeyList() {
  static const std::vector<std::u16string> list = [] {
    std::vector<std::u16string> keys;
    for (int i = 0; i < 12; ++i) keys.push_back(KeyName(static_cast<uint8_t>(0x70 + i)));
    std::vector<std::u16string> ctrl_keys;
    for (char c = 'A'; c <= 'Z'; ++c) ctrl_keys.push_back(std::u16string(1, char16_t(c)));
    for (char c = '0'; c <= '9'; ++c) ctrl_keys.push_back(std::u16string(1, char16_t(c)));
    ctrl_keys.insert(ctrl_keys.end(), keys.begin(), keys.end());
    for (const char16_t* k : {u"Ins", u"Del", u"BkSp", u"Enter", u"Space", u"Num +", u"Num -"})
      ctrl_keys.push_back(k);
    std::vector<std::u16string> out{std::u16string(kNoShortCutText)};
    for (const auto& k : keys) out.push_back(k);
    for (const auto& k : keys) out.push_back(u"Shift+" + k);
    for (const auto& k : ctrl_keys) out.push_back(u"Ctrl+" + k);
    for (const auto& k : ctrl_keys) out.push_back(u"Shift+Ctrl+" + k);
    return out;
  }();
  return list;
}

TShortCutTexts ShortCutTextsOf(const TShortCutList& list) {
  TShortCutTexts texts;
  for (int i = 0; i < kShortCutCount; ++i)
    if (!kShortCutEntries[i].IsHeader()) texts[i] = ShortCutToText(list.Values[i]);
  return texts;
}

void ApplyShortCutTexts(const TShortCutTexts& texts, TShortCutList& list) {
  for (int i = 0; i < kShortCutCount; ++i)
    if (!kShortCutEntries[i].IsHeader()) list.Values[i] = TextToShortCut(texts[i]);
}

std::u16string ShownShortCutText(std::u16string_view text) {
  const auto& keys = ShortCutKeyList();
  if (std::find(keys.begin(), keys.end(), text) != keys.end()) return std::u16string(text);
  return std::u16string(kNoShortCutText);
}

std::array<bool, kShortCutCount> DuplicateShortCutRows(const TShortCutTexts& texts) {
  std::array<bool, kShortCutCount> dup{};
  for (int i = 0; i < kShortCutCount; ++i) {
    if (texts[i].empty() || texts[i] == kNoShortCutText) continue;
    for (int j = i + 1; j < kShortCutCount; ++j)
      if (texts[j] == texts[i]) dup[i] = dup[j] = true;
  }
  return dup;
}

}  // namespace kelp
