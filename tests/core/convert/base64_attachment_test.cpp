#include "convert/base64_attachment.h"

#include <gtest/gtest.h>

#include "base/utf.h"

namespace kelp {
namespace {

TEST(Base64Attachment, DecodesBlocksWithAndWithoutLineBreaks) {
  struct Case {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"SGVsbG8sIFdvcmxkIQ==", "Hello, World!"},  // padding; an odd number of bytes
      {u"SGVs\r\nbG8s\r\nIFdv\ncmxk\tIQ==\r\n", "Hello, World!"},
      {u"  AAEC/f7/  ", std::string("\x00\x01\x02\xFD\xFE\xFF", 6)},
      {u"QUJD", "ABC"},
      {u"QUI=", "AB"},
      {u"QQ==", "A"},
      {u"+/+/", "\xFB\xFF\xBF"},
      {u"QUJD-RA", "ABC"},  // the data ends at the first character that is no Base64 letter
  };
  for (const auto& c : cases) {
    const auto r = ExtractBase64Attachment(c.text);
    EXPECT_EQ(r.Status, TBase64Status::Ok) << Utf16ToUtf8(c.text);
    EXPECT_EQ(r.Bytes, c.bytes) << Utf16ToUtf8(c.text);
  }
}

TEST(Base64Attachment, RefusesWhatIsNoBase64) {
  struct Case {
    std::u16string text;
    TBase64Status status;
  } cases[] = {
      {u"QUJD*", TBase64Status::InvalidChar},
      {u"QUJD\u3042", TBase64Status::InvalidChar},
      {u"Content-Type: text/plain; charset=utf-8", TBase64Status::InvalidChar},
      {std::u16string(u"QU") + char16_t(0) + u"JD", TBase64Status::InvalidChar},
      {u"", TBase64Status::NotBase64},
      {u" \r\n\t ", TBase64Status::NotBase64},
      {u"Q", TBase64Status::CannotConvert},  // six bits make no byte
      {u"====", TBase64Status::CannotConvert},
      {u"(:?)", TBase64Status::CannotConvert},
  };
  for (const auto& c : cases) {
    const auto r = ExtractBase64Attachment(c.text);
    EXPECT_EQ(r.Status, c.status) << Utf16ToUtf8(c.text);
    EXPECT_TRUE(r.Bytes.empty()) << Utf16ToUtf8(c.text);
  }
}

}  // namespace
}  // namespace kelp
