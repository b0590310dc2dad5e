#include "encoding/detect_code.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace kelp {
namespace {

struct Case {
  const char* what;
  std::string bytes;
  int result;
};

TEST(DetectCode, JisAndUtf7EscapesAndRuns) {
  const Case cases[] = {
      {"JIS escape", "abc\x1B$B$\"\x1B(B", kDetectJis},
      {"JIS after one UTF-7 run", "a+ZeU-b \x1B$B$\"", kDetectJis},
      {"second UTF-7 run decides before the escape", "+ZeU- +ZeU- \x1B$B$\"", kDetectUtf7},
      {"ESC ( I", "x\x1B(I1", kDetectJis},
      {"ESC $ @", "\x1B$@", kDetectJis},
      {"escape cut off at the end", "abc\x1B$", kDetect7Bit},
      {"unknown escape kills UTF-7 only", "\x1B(Z", kDetect7Bit},
      {"two lines, one run each", "a +ZeU-\r\nb +ZeU-\r\n", kDetectUtf7},
      {"one run in plain text", "Hello +ZeVnLA- world", kDetectUtf7},
      {"run ended by a space", "Hello +ZeVnLA world", kDetect7Bit},
      {"run ended by the data", "Hello +ZeVnLA", kDetect7Bit},
      {"run of a bad length", "x +ZeVn- y", kDetect7Bit},  // 4 chars: 24 mod 16 = 8
      {"plus-minus is a run", "1 +- 1", kDetectUtf7},
      {"character UTF-7 never writes directly", "a+ZeU-b!", kDetect7Bit},
      {"plain ASCII", "int main() { return 0; }\n", kDetect7Bit},
      {"empty", "", kDetect7Bit},
  };
  for (const auto& c : cases) EXPECT_EQ(DetectCode(c.bytes), c.result) << c.what;
}

TEST(DetectCode, MultiByteCandidatesAndTies) {
  const Case cases[] = {
      {"82 A0: only Shift_JIS", "\x82\xA0", kDetectShiftJis},
      {"E3 81 82: UTF-8", "\xE3\x81\x82", kDetectUtf8},
      {"lone B1 at the end", "abc\xB1", kDetectShiftJis},
      {"EUC-JP hiragana", "\xA4\xA2\xA4\xA4\xA4\xA6 \xB4\xC1\xBB\xFA", kDetectEuc},
      {"EUC-JP three-byte code", "\x8F\xA2\xB7", kDetectEuc},
      {"all die at once, nothing read", "\xFF", kDetectNoFit},
      {"all die after equal counts: UTF-8 wins", "\xE3\x81\x82\xE3\x81\x82\xFF", kDetectUtf8},
      // Shift_JIS and EUC-JP both alive with 4 bytes each: the tie goes to Shift_JIS.
      {"Shift_JIS before EUC-JP on a tie", "\xE4\xA1\xE4\xA1", kDetectShiftJis},
      {"half-width kana are single bytes", "\xB0\xA1\xB0\xA1", kDetectEuc},
      // EUC-JP ahead of Shift_JIS when all die: EUC-JP has read more.
      {"EUC-JP with more bytes", "\xA4\xA2\xA4\xA2\xA4\xA2\x8F\xA2\xB7\xFF", kDetectEuc},
      {"UTF-7 total counts when all die", "+ZeU- \xFF", kDetectUtf7},
  };
  for (const auto& c : cases) EXPECT_EQ(DetectCode(c.bytes), c.result) << c.what;
}

TEST(DetectCode, LengthIsClamped) {
  const std::string bytes = "abc\x82\xA0";
  EXPECT_EQ(DetectCode(bytes, 3), kDetect7Bit);
  EXPECT_EQ(DetectCode(bytes, 1000), kDetectShiftJis);
}

TEST(DetectCode, ReaderKeepsNoneForSevenBitAndNoFit) {
  const std::pair<int, TFileCode> cases[] = {
      {kDetect7Bit, fcNONE}, {kDetectShiftJis, fcANSI}, {kDetectEuc, fcEUC},    {kDetectJis, fcJIS},
      {kDetectUtf7, fcUTF7}, {kDetectUtf8, fcUTF8U},    {kDetectNoFit, fcNONE},
  };
  for (auto [result, code] : cases) EXPECT_EQ(FileCodeOfDetection(result), code) << result;
}

class IsTextFileTest : public testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kelp_istext_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            std::to_string(reinterpret_cast<uintptr_t>(this)));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(IsTextFileTest, LowBytesAndUtf16Marks) {
  EXPECT_TRUE(IsTextFile(Write("empty", "")));
  EXPECT_TRUE(IsTextFile(Write("text", "plain\ttext\r\n\x1B$B")));
  EXPECT_TRUE(IsTextFile(Write("utf16", std::string("\xFF\xFE"
                                                    "A\0B\0",
                                                    6))));
  EXPECT_TRUE(IsTextFile(Write("ffff", std::string("\xFF\xFF\x01", 3))));
  EXPECT_FALSE(IsTextFile(Write("fffd", std::string("\xFF\xFD\x01", 3))));  // sum 508
  EXPECT_FALSE(IsTextFile(Write("one", std::string(31, 'a') + "\x01")));
  EXPECT_TRUE(IsTextFile(Write("late", std::string(32, 'a') + "\x01")));  // past the 32 bytes
  EXPECT_FALSE(IsTextFile(Write("nul", std::string("a\0", 2))));
  EXPECT_FALSE(IsTextFile((dir_ / "missing").string()));
  EXPECT_FALSE(IsTextFile(dir_.string()));  // a folder cannot be read
  ASSERT_EQ(mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  EXPECT_FALSE(IsTextFile((dir_ / "pipe").string()));  // and a pipe is not waited for
}

}  // namespace
}  // namespace kelp
