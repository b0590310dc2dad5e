#include "kelp_tool.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/encoding/temp_dir.h"

namespace kelp {
namespace {

class KelpToolTest : public testing_support::TempDirTest {
 protected:
  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunKelpTool(args, out_, err_);
  }
  std::ostringstream out_, err_;
};

TEST_F(KelpToolTest, DetectNamesEncodingAndLineEnds) {
  const std::string sjis = Write("sjis.txt", "\x93\xFA\x96\x7B\r\n\x8C\xEA\r\n");
  const std::string euc = Write("euc.txt", "\xC6\xFC\xCB\xDC\n");
  const std::string jis = Write("jis.txt", "\x1B$BF|K\\\x1B(B\r");
  const std::string utf8 = Write("utf8.txt", "\xE6\x97\xA5\r\n\xE6\x9C\xAC\n");
  const std::string bom = Write("bom.txt", "\xEF\xBB\xBFx");
  const std::string ascii = Write("ascii.txt", "plain\n");
  const std::string utf16 = Write("utf16.txt", std::string("\xFF\xFE"
                                                           "A\0\n\0",
                                                           6));
  EXPECT_EQ(Run({"detect", sjis, euc, jis, utf8, bom, ascii, utf16}), 0);
  EXPECT_EQ(out_.str(), sjis + "\tS-JIS\tCRLF\n" + euc + "\tEUC\tLF\n" + jis + "\tJIS\tCR\n" + utf8 +
                            "\tUTF8\tLF\n" + bom + "\tUTF8(BOM)\tnone\n" + ascii + "\tauto\tLF\n" + utf16 +
                            "\tUnicode\tLF\n");
  EXPECT_EQ(Run({"detect", Path("missing"), ascii}), 1);
  EXPECT_EQ(out_.str(), ascii + "\tauto\tLF\n");
  EXPECT_NE(err_.str().find("missing"), std::string::npos);
}

TEST_F(KelpToolTest, ConvertsWithLineEnds) {
  const std::string in = Write("in.txt", "\xC6\xFC\xCB\xDC\n\xB8\xEC\r\n");
  EXPECT_EQ(Run({"convert", "--from", "auto", "--to", "s-jis", "--eol", "crlf", in, Path("out.txt")}), 0);
  EXPECT_EQ(Read(Path("out.txt")), "\x93\xFA\x96\x7B\r\n\x8C\xEA\r\n");
  EXPECT_EQ(Run({"convert", "--from", "S-JIS", "--to", "Big Endian", Path("out.txt"), Path("be.txt")}), 0);
  EXPECT_EQ(Read(Path("be.txt")), std::string("\xFE\xFF\x65\xE5\x67\x2C\0\r\0\n\x8A\x9E\0\r\0\n", 16));
  EXPECT_EQ(Run({"convert", "--from", "auto", "--to", "UTF8", "--eol", "lf", Path("be.txt"), Path("u.txt")}),
            0);
  EXPECT_EQ(Read(Path("u.txt")), "\xE6\x97\xA5\xE6\x9C\xAC\n\xE8\xAA\x9E\n");
  EXPECT_EQ(Run({"convert", "--from", "auto", "--to", "JIS", "--eol", "cr", in, Path("jis.txt")}), 0);
  EXPECT_EQ(Read(Path("jis.txt")), "\x1B$BF|K\\\x1B(B\r\x1B$B8l\x1B(B\r");
}

TEST_F(KelpToolTest, WarnsAndExits3WhenCharactersAreLost) {
  const std::string in = Write("in.txt", "\xE2\x82\xAC 5 \xE3\x81\x82");  // "€ 5 あ" in UTF-8
  EXPECT_EQ(Run({"convert", "--from", "UTF8", "--to", "ASCII", in, Path("out.txt")}), 3);
  EXPECT_EQ(Read(Path("out.txt")), "\x80 5 ?");
  EXPECT_NE(err_.str().find("warning"), std::string::npos);
  EXPECT_EQ(Run({"convert", "--from", "UTF8", "--to", "EUC", in, Path("out.txt")}), 3);
  EXPECT_EQ(Run({"convert", "--from", "UTF8", "--to", "UTF7", in, Path("out.txt")}), 0);
  EXPECT_EQ(err_.str(), "");
}

TEST_F(KelpToolTest, UsageErrors) {
  const std::string in = Write("in.txt", "x");
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"detect"},
      {"frobnicate"},
      {"convert", "--from", "auto", "--to", "auto", in, Path("o")},  // "auto" is for reading only
      {"convert", "--from", "latin9", "--to", "UTF8", in, Path("o")},
      {"convert", "--from", "auto", "--to", "UTF8", "--eol", "crcr", in, Path("o")},
      {"convert", "--from", "auto", "--to", "UTF8", in},
      {"convert", "--to", "UTF8", in, Path("o")},
      {"convert", "--from", "auto", "--to", "UTF8", "--force", in, Path("o")},
  };
  for (const auto& args : bad) EXPECT_EQ(Run(args), 2) << testing::PrintToString(args);
  EXPECT_EQ(Run({"convert", "--from", "auto", "--to", "UTF8", Path("missing"), Path("o")}), 1);
  EXPECT_EQ(Run({"convert", "--from", "auto", "--to", "UTF8", in, Path("no/such/o")}), 1);
}

}  // namespace
}  // namespace kelp
