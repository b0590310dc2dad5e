// Files written by other programs (iconv, a UTF-7 encoder) are recognised and
// read back to the same text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/utf.h"
#include "encoding/text_file.h"

namespace kelp {
namespace {

std::string DataPath(const std::string& name) {
  const char* root = std::getenv("KELP_TEST_DATA");
  return std::string(root ? root : "tests/data") + "/encoding/" + name;
}

std::u16string Replace(std::u16string s, std::u16string_view from, std::u16string_view to) {
  for (size_t at = 0; (at = s.find(from, at)) != std::u16string::npos; at += to.size())
    s.replace(at, from.size(), to);
  return s;
}

TEST(SampleFiles, DetectedAndDecoded) {
  TFileCode code = fcUTF8U;
  bool failed = true, hadNul = true;
  const std::u16string master = LoadTextFile(DataPath("utf8_lf.txt"), code, false, failed, hadNul);
  ASSERT_FALSE(failed);
  ASSERT_NE(master.find(u"吾輩は猫である"), std::u16string::npos);
  const std::u16string crlf = Replace(master, u"\n", u"\r\n");
  const std::u16string noKana = master.substr(0, master.rfind(u"Kelp"));
  const struct {
    const char* file;
    TFileCode code;
    std::u16string text;
  } cases[] = {
      {"sjis_crlf.txt", fcANSI, crlf},
      {"euc_lf.txt", fcEUC, master},
      {"jis_lf.txt", fcJIS, noKana},
      {"utf8_lf.txt", fcUTF8U, master},
      {"utf8bom_crlf.txt", fcUTF8W, crlf},
      {"utf16le_lf.txt", fcUNICODE, master},
      {"utf16be_lf.txt", fcBIGEND, master},
      {"utf7_crlf.txt", fcUTF7, u"Folder: C:\\データ\\memo.txt\r\nName: 日本語\r\n"},
      {"ascii_cr.txt", fcNONE, u"plain ascii\r"},
  };
  for (const auto& c : cases) {
    TFileCode got = fcNONE;
    const std::u16string text = LoadTextFile(DataPath(c.file), got, false, failed, hadNul);
    EXPECT_FALSE(failed) << c.file;
    EXPECT_EQ(got, c.code) << c.file;
    EXPECT_EQ(text, c.text) << c.file;
  }
}

// Without a mark, UTF-16 whose first character has no zero byte is not
// sniffed; its NUL bytes make grep's reading empty.
TEST(SampleFiles, Utf16WithoutMarkIsNotRecognised) {
  TFileCode code = fcNONE;
  bool failed = true, hadNul = true;
  EXPECT_EQ(LoadTextFile(DataPath("utf16le_nomark_lf.txt"), code, false, failed, hadNul), u"");
  EXPECT_FALSE(failed);
  EXPECT_FALSE(hadNul);
  code = fcUNICODE;
  const std::u16string text = LoadTextFile(DataPath("utf16le_nomark_lf.txt"), code, false, failed, hadNul);
  EXPECT_EQ(text.substr(0, 7), u"吾輩は猫である");
}

}  // namespace
}  // namespace kelp
