// Parsing a real document: the re-parse the view runs on OnNeedParse after
// typing, undo and wrapping, and the colours of wrapped display lines.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "colour_cases.h"
#include "document/notepad_string.h"
#include "syntax/document_lines.h"
#include "syntax/notepad_parser.h"
#include "width/char_width.h"

namespace kelp {
namespace {

class DocumentParse : public ::testing::Test {
 protected:
  void SetUp() override {
    // One ASCII character is one width unit.
    ResetCharPixelWidths(std::make_shared<TFixedWidthMeasurer>(8, 16), 8);
    doc.SetOnNeedParse([this](TNotePadString& d) {
      last = ParseDocumentChange(ModeOf(hmCpp), d);
      ++calls;
    });
  }
  void TypeAt(int64_t pos, std::u16string_view s) {
    doc.SetSelStart(pos);
    doc.SetSelEnd(pos);
    doc.SetSelText(s);
  }
  std::vector<int> EndTokens() {
    std::vector<int> out;
    for (int64_t i = 0; i < doc.Count(); ++i) out.push_back(doc.Items(i).EndToken);
    return out;
  }

  TNotePadString doc;
  std::optional<TReparseResult> last;
  int calls = 0;
};

TEST_F(DocumentParse, TypingACommentOpenerSpillsAndALetterInsideStaysLocal) {
  doc.SetText(u"int a;\nb\nc\nd\ne\nf */ g\nh\ni");
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(last->Reached, doc.Count() - 1);
  EXPECT_EQ(EndTokens(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0}));

  TypeAt(doc.Items(1).Start, u"/*");
  EXPECT_EQ(last->First, 1);
  EXPECT_EQ(last->Reached, 5);
  EXPECT_TRUE(last->Spilled);
  EXPECT_EQ(EndTokens(), (std::vector<int>{0, 32, 32, 32, 32, 0, 0, 0}));

  TypeAt(doc.Items(1).Start + 3, u"x");
  EXPECT_EQ(last->Reached, 2);
  EXPECT_FALSE(last->Spilled);

  doc.Undo();
  doc.Undo();
  EXPECT_TRUE(last->Spilled);
  EXPECT_EQ(EndTokens(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(doc.GetText(), u"int a;\nb\nc\nd\ne\nf */ g\nh\ni");
}

TEST_F(DocumentParse, WrappedLinesParseAsWholeLogicalLines) {
  doc.SetWrapByte(MinWrapByte);
  doc.SetText(
      u"x\n// a comment that is longer than one display line\nint y = \"a string that wraps over the "
      u"edge\";");
  ASSERT_GT(doc.Count(), 4);
  // The comment and the string carry their code over the wrap points, never over the LF.
  int logical = 0;
  bool firstOfLine = true;
  for (int64_t i = 0; i < doc.Count(); ++i) {
    const TLineData& l = doc.Items(i);
    if (l.LineEnd == leLF) {
      EXPECT_EQ(l.EndToken, 0) << i;
    } else if (l.LineEnd == leWrap && logical == 1) {
      EXPECT_EQ(l.EndToken, 7) << i;
    } else if (l.LineEnd == leWrap && logical == 2 && !firstOfLine) {
      EXPECT_EQ(l.EndToken, 25) << i;
    }
    firstOfLine = l.LineEnd != leWrap;
    if (l.LineEnd == leLF) ++logical;
  }
  // Typing on the second display line of the comment parses its logical line from its first.
  TypeAt(doc.Items(2).Start + 1, u"z");
  EXPECT_EQ(last->First, 1);
  EXPECT_FALSE(last->Spilled);

  // The colours of the document's display lines are those of the same lines laid out by hand.
  std::u16string marked;
  for (int64_t i = 0; i < doc.Count(); ++i) {
    marked += doc.LineView(i);
    if (doc.Items(i).LineEnd == leWrap) marked += u'|';
    if (doc.Items(i).LineEnd == leLF) marked += u'\n';
  }
  const std::vector<test::Seg> expected = test::ColourRuns(hmCpp, marked);
  std::vector<test::Seg> actual;
  TDocumentLines lines(doc);
  auto parser = ModeOf(hmCpp).NewParser(lines);
  for (int64_t i = 0; i < doc.Count(); ++i) {
    parser->ParseLineColor(i);
    const std::u16string_view text = doc.LineView(i);
    for (size_t k = 0; k < text.size(); ++k) actual.push_back({std::u16string(1, text[k]), LineTokens()[k]});
  }
  EXPECT_EQ(test::RenderRuns(actual), test::RenderRuns(expected));
  EXPECT_NE(test::RenderRuns(actual).find("[int]=8"), std::string::npos);
}

TEST_F(DocumentParse, ChangingTheModeParsesEverything) {
  doc.SetText(u"/* a\nb */\n{ c\nd }");
  EXPECT_EQ(EndTokens(), (std::vector<int>{32, 0, 0, 0}));
  ParseWholeDocument(ModeOf(hmDelphi), doc);
  EXPECT_EQ(EndTokens(), (std::vector<int>{0, 0, 31, 0}));
  TNotePadString empty;
  ParseWholeDocument(ModeOf(hmHtml), empty);
  EXPECT_EQ(empty.Items(0).EndToken, 0);
}

}  // namespace
}  // namespace kelp
