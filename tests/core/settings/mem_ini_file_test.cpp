#include "settings/mem_ini_file.h"

#include <gtest/gtest.h>

#include "base/utf.h"
#include "settings/ini_codec.h"
#include "temp_dir.h"

namespace kelp {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using namespace std::string_literals;

TEST(MemIniFile, SectionsAndKeysIgnoreCaseAndKeepFirstWrittenOrder) {
  TMemIniFile ini;
  ini.WriteString(u"Beta", u"Two", u"2");
  ini.WriteString(u"alpha", u"One", u"1");
  ini.WriteString(u"BETA", u"one", u"1b");
  ini.WriteString(u"beta", u"TWO", u"2 again");  // replaced in place, first spelling kept
  EXPECT_EQ(ini.ReadString(u"bEtA", u"tWo", u""), u"2 again");
  EXPECT_EQ(ini.GetText(), u"[Beta]\nTwo=2 again\none=1b\n\n[alpha]\nOne=1\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::u16string>{u"Beta", u"alpha"}));

  TMemIniFile copy = ini;  // a copy is a file of its own
  copy.WriteString(u"beta", u"two", u"copy");
  copy.EraseSection(u"alpha");
  EXPECT_EQ(ini.ReadString(u"beta", u"two", u""), u"2 again");
  EXPECT_TRUE(ini.SectionExists(u"alpha"));
  EXPECT_EQ(copy.ReadString(u"BETA", u"TWO", u""), u"copy");

  ini.DeleteKey(u"BETA", u"TWO");
  EXPECT_FALSE(ini.ValueExists(u"beta", u"two"));
  ini.EraseSection(u"ALPHA");
  EXPECT_FALSE(ini.SectionExists(u"alpha"));
}

TEST(MemIniFile, ParsesLinesWithTheFirstEqualsSignAndKeepsValueBlanks) {
  TMemIniFile ini;
  ini.SetText(
      u"orphan=before any section\r\n"
      u"  [ Sec ]  \r\n"
      u"; a comment\r\n"
      u"Key = a=b=c \r\n"
      u"no equals sign\n"
      u"Empty=\r"
      u"key=later duplicate\n"
      u"[sec]\n"
      u"More=1");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::u16string>{u"Sec"}));
  EXPECT_EQ(ini.ReadSection(u"SEC"), (std::vector<std::u16string>{u"Key", u"Empty", u"More"}));
  EXPECT_EQ(ini.ReadString(u"sec", u"key", u"?"), u" a=b=c ");
  EXPECT_EQ(ini.ReadString(u"sec", u"empty", u"?"), u"");
  EXPECT_EQ(ini.ReadString(u"sec", u"more", u"?"), u"1");
  EXPECT_EQ(ini.ReadString(u"none", u"orphan", u"?"), u"?");
}

TEST(MemIniFile, IntegersAndFlags) {
  struct Case {
    std::u16string value;
    int32_t integer;  // read with default -7
    bool flag;        // read with default true
  } cases[] = {
      {u"42", 42, true},
      {u"-15", -15, true},
      {u"0", 0, false},
      {u"0x10", 16, true},
      {u"0X1f", 31, true},
      {u"$20", 32, true},
      {u"$FFFFFFFF", -1, true},
      {u"2147483647", 2147483647, true},
      {u"-2147483648", -2147483647 - 1, true},
      {u"2147483648", -7, true},  // does not fit: default
      {u"$100000000", -7, true},
      {u" 12 ", 12, true},
      {u"abc", -7, true},
      {u"12abc", -7, true},
      {u"0x", -7, true},
      {u"$", -7, true},
      {u"", -7, true},
      {u"1.5", -7, true},
  };
  for (const auto& c : cases) {
    TMemIniFile ini;
    ini.WriteString(u"S", u"K", c.value);
    EXPECT_EQ(ini.ReadInteger(u"S", u"K", -7), c.integer) << Utf16ToUtf8(c.value);
    EXPECT_EQ(ini.ReadBool(u"S", u"K", true), c.flag) << Utf16ToUtf8(c.value);
  }
  TMemIniFile ini;
  EXPECT_EQ(ini.ReadInteger(u"S", u"missing", 5), 5);
  EXPECT_FALSE(ini.ReadBool(u"S", u"missing", false));
  ini.WriteInteger(u"S", u"I", -123);
  ini.WriteBool(u"S", u"T", true);
  ini.WriteBool(u"S", u"F", false);
  ini.WriteInt64(u"S", u"L", 5000000000);
  EXPECT_EQ(ini.GetText(), u"[S]\nI=-123\nT=1\nF=0\nL=5000000000\n");
  EXPECT_EQ(ini.ReadInt64(u"S", u"L", 0), 5000000000);
  EXPECT_EQ(ini.ReadInteger(u"S", u"L", 3), 3);  // too large for 32 bits
}

TEST(MemIniFileW, FreeTextIsStoredAsAsciiUtf7AndReadBack) {
  const std::u16string values[] = {
      u"C:\\Users\\太郎\\メモ.txt",
      u"/home/user/plain.txt",
      u"a+b",
      u"  blanks kept  ",
      u"two\nlines\r\n",
      u"tab\there",
      u"絵文字😀",
      u"",
  };
  TMemIniFileW ini;
  for (const auto& v : values) {
    ini.WriteStringW(u"S", u"K", v);
    const std::u16string stored = ini.ReadString(u"S", u"K", u"");
    for (char16_t c : stored) {
      EXPECT_LT(c, 0x80) << Utf16ToUtf8(v);
      EXPECT_NE(c, u'\n');
      EXPECT_NE(c, u'\r');
    }
    EXPECT_EQ(ini.ReadStringW(u"S", u"K", u"default"), v) << Utf16ToUtf8(stored);
  }
  ini.WriteStringW(u"S", u"ascii", u"/home/user/plain.txt");
  EXPECT_EQ(ini.ReadString(u"S", u"ascii", u""), u"/home/user/plain.txt");  // ASCII is stored as it is
  ini.WriteStringW(u"S", u"jp", u"日本");
  const std::u16string jp = ini.ReadString(u"S", u"jp", u"");
  EXPECT_EQ(jp.front(), u'+');
  EXPECT_EQ(jp.back(), u'-');
}

TEST(MemIniFileW, ReadRuleForStoredValues) {
  struct Case {
    std::u16string stored, def, expected;
  } cases[] = {
      {u"+MEI-", u"", u"あ"},               // UTF-7
      {u"a+-b", u"", u"a+b"},               // fewer characters than bytes: decoded
      {u"plain", u"", u"plain"},            // same count: as it stands
      {u"+MEI-", u"+MEI-", u"+MEI-"},       // equal to the default: not decoded
      {u"C:\\a+b\\c", u"", u"C:\\a+b\\c"},  // not well-formed UTF-7: as it stands
      {u"ページ", u"", u"ページ"},          // raw non-ASCII text: as it stands
      {u"+-", u"", u"+"},
  };
  for (const auto& c : cases) {
    TMemIniFileW ini;
    ini.WriteString(u"S", u"K", c.stored);
    EXPECT_EQ(ini.ReadStringW(u"S", u"K", c.def), c.expected) << Utf16ToUtf8(c.stored);
  }
  TMemIniFileW ini;
  EXPECT_EQ(ini.ReadStringW(u"S", u"missing", u"+MEI-"), u"+MEI-");
}

TEST(MemIniFileW, UpdateFileWritesTheMarkerAndTheWholeFile) {
  TempDir dir;
  const std::string path = dir.File("kelp.ini");
  {
    TMemIniFileW ini(path);
    ini.WriteStringW(u"FONT", u"NAME", u"ＭＳ ゴシック");
    ASSERT_TRUE(ini.UpdateFile());
  }
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find("[UNICODE]\n+=" + Utf16ToUtf8(kUnicodeMarkerValue) + "\n"), std::string::npos);
  const size_t name = bytes.find("\nNAME=+");
  ASSERT_NE(name, std::string::npos);
  const size_t end = bytes.find('\n', name + 1);
  EXPECT_EQ(bytes[end - 1], '-');  // "+" ... "-" around the encoded characters
  for (size_t i = name; i < end; ++i) EXPECT_LT(static_cast<unsigned char>(bytes[i]), 0x80);
  const TMemIniFileW again(path);
  EXPECT_EQ(again.ReadStringW(u"font", u"name", u""), u"ＭＳ ゴシック");
  EXPECT_EQ(again.ReadSections().back(), u"UNICODE");

  TMemIniFileW unnamed;
  EXPECT_FALSE(unnamed.UpdateFile());
}

TEST(MemIniFile, ReadsByteOrderMarksAndFilesWithout) {
  const std::u16string text = u"[S]\nK=値\n";
  const std::string utf8 = Utf16ToUtf8(text);
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char16_t c : text) {
    le += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    be += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
  }
  const std::string files[] = {utf8, "\xEF\xBB\xBF" + utf8, le, be, "[S]\nK=\x92\x6C\n" /* Shift_JIS */};
  for (const auto& bytes : files) EXPECT_EQ(DecodeIniFileBytes(bytes), text);
  EXPECT_EQ(DecodeIniFileBytes(""), u"");
}

TEST(MemIniFile, CorruptOrTruncatedFilesGiveWhatCanBeRead) {
  TempDir dir;
  const std::string path = dir.File("broken.ini");
  struct Case {
    std::string bytes;
    int32_t top, left;  // -1: not readable
  } cases[] = {
      {"[RECT]\nTOP=12\nLEFT=3\x00\x01\x02garbage\n[BR"s, 12, -1},
      {"\xFF\xFE[\0R\0E"s, -1, -1},              // UTF-16 cut in the middle of a character
      {"[RECT]\nLEFT=4\nTOP=1\xE3\x81", -1, 4},  // truncated inside a multi-byte character
      {std::string(4096, '\xFF'), -1, -1},
      {"[RECT\nTOP=5\n", -1, -1},
      {"[RECT]\nTOP=12\nLEFT=3", 12, 3},  // a last line without line end
  };
  for (const auto& c : cases) {
    WriteBytes(path, c.bytes);
    const TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger(u"RECT", u"TOP", -1), c.top) << c.bytes;
    EXPECT_EQ(ini.ReadInteger(u"RECT", u"LEFT", -1), c.left) << c.bytes;
  }
  const TMemIniFile missing(dir.File("missing.ini"));
  EXPECT_TRUE(missing.ReadSections().empty());
}

}  // namespace
}  // namespace kelp
