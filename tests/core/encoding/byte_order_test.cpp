#include "encoding/byte_order.h"

#include <gtest/gtest.h>

#include <string>

namespace kelp {
namespace {

TEST(ByteOrder, Utf16Sniff) {
  const struct {
    std::string bytes;
    TFileCode code;
  } cases[] = {
      {std::string("\x41\x00", 2), fcUNICODE},
      {std::string("\x00\x41", 2), fcBIGEND},
      {"\xFF\xFE", fcUNICODE},
      {"\xFE\xFF", fcBIGEND},
      {"\xFE\xFE", fcUNICODE},
      {"\xFF\xFF", fcUNICODE},
      {std::string("\x00\x00", 2), fcNONE},  // both zero: not the sniff's case
      {std::string("\x00", 1), fcNONE},      // too short
      {"AB", fcNONE},
      {"\xEF\xBB\xBF", fcNONE},
  };
  for (const auto& c : cases) EXPECT_EQ(SniffUtf16(c.bytes), c.code) << testing::PrintToString(c.bytes);
}

TEST(ByteOrder, SniffThenUtf8Mark) {
  EXPECT_EQ(SniffByteOrder("\xEF\xBB\xBF"
                           "A"),
            fcUTF8W);
  EXPECT_EQ(SniffByteOrder("\xEF\xBB\xBF"), fcUTF8W);
  EXPECT_EQ(SniffByteOrder("\xEF\xBB"), fcNONE);
  EXPECT_EQ(SniffByteOrder(std::string("\xEF\x00\xBF", 3)), fcUNICODE);  // the sniff comes first
  EXPECT_EQ(SniffByteOrder("plain"), fcNONE);
}

TEST(ByteOrder, DecodeWithRealMarksOnly) {
  TFileCode found = fcBIN;
  EXPECT_EQ(DecodeWithByteOrderMark(std::string("\xFF\xFE\x42\x30", 4), found), u"あ");
  EXPECT_EQ(found, fcUNICODE);
  EXPECT_EQ(DecodeWithByteOrderMark(std::string("\xFE\xFF\x30\x42\x00", 5), found), u"あ");
  EXPECT_EQ(found, fcBIGEND);
  EXPECT_EQ(DecodeWithByteOrderMark("\xEF\xBB\xBF\xE3\x81\x82", found), u"あ");
  EXPECT_EQ(found, fcUTF8W);
  EXPECT_EQ(DecodeWithByteOrderMark("\x82\xA0", found), u"あ");  // no mark: code page 932
  EXPECT_EQ(found, fcNONE);
  EXPECT_EQ(DecodeWithByteOrderMark("a=+ZeU-", found, 65000), u"a=日");
  EXPECT_EQ(found, fcNONE);
}

}  // namespace
}  // namespace kelp
