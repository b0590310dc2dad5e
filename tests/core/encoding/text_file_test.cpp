#include "encoding/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "core/encoding/temp_dir.h"
#include "encoding/regular_file.h"

namespace kelp {
namespace {

using TextFileTest = testing_support::TempDirTest;

struct LoadCase {
  const char* what;
  std::string bytes;
  TFileCode codeIn;
  bool replaceNul;
  std::u16string text;
  TFileCode codeOut;
  bool hadNul;
};

TEST_F(TextFileTest, LoadPathsAndNulRules) {
  const std::string nul(1, '\0');
  const LoadCase cases[] = {
      {"empty", "", fcNONE, true, u"", fcNONE, false},
      {"UTF-16LE mark",
       "\xFF\xFE"
       "A" +
           nul,
       fcNONE, true, u"A", fcUNICODE, false},
      {"UTF-16BE mark", "\xFE\xFF" + nul + "A", fcNONE, true, u"A", fcBIGEND, false},
      {"UTF-16LE sniff", "A" + nul + "B" + nul, fcNONE, true, u"AB", fcUNICODE, false},
      {"UTF-16BE sniff", nul + "A" + nul + "B", fcNONE, true, u"AB", fcBIGEND, false},
      {"FE FE",
       "\xFE\xFE"
       "A" +
           nul,
       fcNONE, true, u"\uFEFEA", fcUNICODE, false},
      {"odd final byte",
       "\xFF\xFE"
       "A" +
           nul + "B",
       fcNONE, true, u"A", fcUNICODE, false},
      {"UTF-16 NUL replaced", "\xFF\xFE" + nul + nul + "A" + nul, fcNONE, true, u" A", fcUNICODE, true},
      {"UTF-16 NUL rejected", "\xFF\xFE" + nul + nul + "A" + nul, fcNONE, false, u"", fcUNICODE, true},
      {"UTF-8 mark",
       "\xEF\xBB\xBF"
       "A",
       fcNONE, true, u"A", fcUTF8W, false},
      {"UTF-8 mark with NUL",
       "\xEF\xBB\xBF"
       "A" +
           nul,
       fcNONE, false, u"", fcUTF8W, true},
      {"UTF-8 mark read as UTF8",
       "\xEF\xBB\xBF"
       "A",
       fcUTF8U, true, u"A", fcUTF8U, false},
      {"UTF-8 mark read as UTF8(BOM)",
       "\xEF\xBB\xBF"
       "A",
       fcUTF8W, true, u"A", fcUTF8W, false},
      {"Shift_JIS", "\x93\xFA\x96\x7B", fcNONE, true, u"日本", fcANSI, false},
      {"Shift_JIS NUL replaced", "\x82\xA0" + nul + "A", fcNONE, true, u"あ A", fcANSI, true},
      {"Shift_JIS NUL rejected", "\x82\xA0" + nul + "A", fcNONE, false, u"", fcNONE, false},
      {"EUC-JP", "\xC6\xFC\xCB\xDC\xB8\xEC", fcNONE, true, u"日本語", fcEUC, false},
      {"JIS", "\x1B$BF|K\\\x1B(B", fcNONE, true, u"日本", fcJIS, false},
      {"UTF-7", "+ZeVnLA- +ZeVnLA-", fcNONE, true, u"日本 日本", fcUTF7, false},
      {"UTF-8", "\xE6\x97\xA5\xE6\x9C\xAC", fcNONE, true, u"日本", fcUTF8U, false},
      {"7-bit", "plain", fcNONE, true, u"plain", fcNONE, false},
      {"no fit",
       "\xFD"
       "A",
       fcNONE, true, u"\uF8F1A", fcNONE, false},
      {"explicit Shift_JIS NUL rejected", "A" + nul, fcANSI, false, u"", fcANSI, true},
      {"explicit UTF-16LE", "\xFF\xFE\x42\x30", fcUNICODE, true, u"あ", fcUNICODE, false},
      {"explicit UTF-16BE with mark", "\xFE\xFF\x30\x42", fcBIGEND, true, u"あ", fcBIGEND, false},
      {"explicit UTF-16BE without mark", "\x30\x42", fcBIGEND, true, u"あ", fcBIGEND, false},
      {"ASCII turns NUL into space silently", "A" + nul + "\xE9", fcASCII, false, u"A é", fcASCII, false},
      {"Cyrillic", "\xCF\xF0\xE8", fc1251, true, u"При", fc1251, false},
      {"Big5", "\xA4\xA4", fcBIG5, true, u"中", fcBIG5, false},
      {"GB2312", "\xC4\xE3", fcGB2312, true, u"你", fcGB2312, false},
      {"EUC-KR", "\xB0\xA1", fcEUCKR, true, u"가", fcEUCKR, false},
      {"binary reads nothing", "AB", fcBIN, true, u"", fcBIN, false},
  };
  for (const auto& c : cases) {
    const std::string path = Write("f", c.bytes);
    TFileCode code = c.codeIn;
    bool failed = true, hadNul = !c.hadNul;
    const std::u16string text = LoadTextFile(path, code, c.replaceNul, failed, hadNul);
    EXPECT_FALSE(failed) << c.what;
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_EQ(code, c.codeOut) << c.what;
    EXPECT_EQ(hadNul, c.hadNul) << c.what;
  }
}

TEST_F(TextFileTest, UnreadableFileFails) {
  ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);  // would block a plain read
  for (const std::string& path : {Path("missing"), dir_.string(), Path("pipe"), std::string("/dev/zero")}) {
    TFileCode code = fcNONE;
    bool failed = false, hadNul = true;
    EXPECT_EQ(LoadTextFile(path, code, true, failed, hadNul), u"") << path;
    EXPECT_TRUE(failed) << path;
    EXPECT_FALSE(hadNul) << path;
  }
}

// The reader stops at its limit (2,147,483,647 bytes for text files).
TEST_F(TextFileTest, ReadStopsAtTheLimit) {
  const std::string bytes(200000, 'x');
  const std::string path = Write("big", bytes);
  std::string got;
  for (size_t limit : {size_t(0), size_t(1), size_t(65536), size_t(199999), size_t(200000), size_t(500000)}) {
    ASSERT_TRUE(ReadRegularFile(path, limit, got)) << limit;
    EXPECT_EQ(got.size(), std::min(limit, bytes.size())) << limit;
  }
  EXPECT_FALSE(ReadRegularFile(Path("missing"), 10, got));
  EXPECT_TRUE(got.empty());
}

struct SaveCase {
  TFileCode code;
  std::u16string text;
  std::string bytes;
};

TEST_F(TextFileTest, SaveLayoutForEveryCode) {
  const SaveCase cases[] = {
      {fcNONE, u"Aあ", "A\x82\xA0"},
      {fcANSI, u"Aあ", "A\x82\xA0"},
      {fcUNICODE, u"Aあ",
       std::string("\xFF\xFE"
                   "A\0\x42\x30",
                   6)},
      {fcBIGEND, u"Aあ", std::string("\xFE\xFF\0A\x30\x42", 6)},
      {fcUTF8W, u"Aあ",
       "\xEF\xBB\xBF"
       "A\xE3\x81\x82"},
      {fcUTF7, u"Aあ", "A+MEI-"},
      {fcUTF8U, u"Aあ", "A\xE3\x81\x82"},
      {fcEUC, u"Aあ", "A\xA4\xA2"},
      {fcJIS, u"Aあ", "A\x1B$B$\"\x1B(B"},
      {fcASCII, u"Aé", "A\xE9"},
      {fc1251, u"AЖ", "A\xC6"},
      {fcBIG5, u"A中", "A\xA4\xA4"},
      {fcGB2312, u"A你", "A\xC4\xE3"},
      {fcEUCKR, u"A가", "A\xB0\xA1"},
      {fcBIN, u"\x4142\x3042", "\x41\x42\x30\x42"},
      {fcUNICODE, u"", "\xFF\xFE"},
      {fcNONE, u"", ""},
      {fcASCII, u"Aあ", "A?"},
  };
  for (const auto& c : cases) {
    const std::string path = Path("out");
    ASSERT_TRUE(SaveTextFile(path, c.text, c.code)) << int(c.code);
    EXPECT_EQ(Read(path), c.bytes) << int(c.code);
    EXPECT_EQ(EncodeText(c.text, c.code), c.bytes) << int(c.code);
  }
}

TEST_F(TextFileTest, EverySavedCodeReadsBack) {
  const std::u16string text = u"Kelp けるぷ 日本語\r\nline 2\n";
  for (TFileCode code : {fcANSI, fcUNICODE, fcBIGEND, fcUTF8W, fcUTF7, fcUTF8U, fcEUC, fcJIS}) {
    const std::string path = Path("round");
    ASSERT_TRUE(SaveTextFile(path, text, code));
    TFileCode back = code;
    bool failed = true, hadNul = true;
    EXPECT_EQ(LoadTextFile(path, back, false, failed, hadNul), text) << int(code);
    // Detection finds the same encoding again.
    TFileCode detected = fcNONE;
    EXPECT_EQ(LoadTextFile(path, detected, false, failed, hadNul), text) << int(code);
    const TFileCode expect = code == fcUTF8W ? fcUTF8W : code;
    EXPECT_EQ(detected, expect) << int(code);
  }
}

}  // namespace
}  // namespace kelp
