// The mode table, the choice of a mode by path and the extension lists.
#include <gtest/gtest.h>

#include "syntax/notepad_mode.h"
#include "syntax/notepad_parser.h"
#include "syntax/text_lines.h"

namespace kelp {
namespace {

TEST(ModeTable, OneObjectPerModeForTheWholeProcess) {
  for (int m = 0; m < kHighlightModeCount; ++m) {
    EXPECT_EQ(&ModeOf(m), &ModeOf(m));
    EXPECT_EQ(HighlightModeOf(&ModeOf(m)), m);
  }
  EXPECT_EQ(&ModeOf(15), &ModeOf(hmDefault));
  EXPECT_EQ(&ModeOf(-1), &ModeOf(hmDefault));
  EXPECT_EQ(HighlightModeOf(nullptr), hmDefault);
  TTextLines lines(u"x");
  for (int m = 0; m < kHighlightModeCount; ++m) EXPECT_NE(ModeOf(m).NewParser(lines), nullptr);
}

TEST(ModeTable, DefaultExtensions) {
  EXPECT_EQ(ModeOf(hmHtml).FileExts(), u".htm;.html;.php;.xml");
  EXPECT_EQ(ModeOf(hmPerl).FileExts(), u".cgi;.pl;.pls;.pm;.pod");
  EXPECT_EQ(ModeOf(hmPerl).ExtCount(), 5);
  EXPECT_EQ(ModeOf(hmPerl).GetExts(1), u".pl");
  EXPECT_EQ(ModeOf(hmCpp).GetDefExt(), u"c");
  EXPECT_EQ(ModeOf(hmDefault).FileExts(), u"");
  EXPECT_EQ(ModeOf(hmDefault).GetDefExt(), u"");
}

TEST(ModeTable, ModeFromPath) {
  const struct {
    std::u16string path;
    THighlightMode mode;
  } cases[] = {
      {u"index.HTM", hmHtml},   {u"/home/u/a.cpp", hmCpp},
      {u"x.PY", hmPython},      {u"m.pm", hmPerl},
      {u"A.class", hmJava},     {u"s.uws", hmUwsc},
      {u"p.dpk", hmDelphi},     {u"b.bat", hmBat},
      {u"v.vb", hmVisualBasic}, {u"v.vbs", hmVBScript},
      {u"c.cs", hmCSharp},      {u"j.js", hmJScript},
      {u"r.rb", hmRuby},        {u"s.css", hmCss},
      {u"t.txt", hmDefault},    {u"/dir.x/file", hmDefault},  // the dot belongs to a folder name
      {u"README.", hmDefault},                                // the extension "." matches nothing
      {u"a.txt]", hmHtml},                                    // no mode has ".txt]": names such as "page[1]"
      {u"page[1]", hmHtml},     {u"ab]", hmDefault},          // not longer than 3 characters
      {u"", hmDefault},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ModeFromPath(c.path), c.mode) << std::string(c.path.begin(), c.path.end());
  EXPECT_EQ(PathExtension(u"/dir.x/file"), u"");
  EXPECT_EQ(PathExtension(u"a/b.Tar.GZ"), u".GZ");
}

TEST(ModeTable, WritingFileExts) {
  TNotePadMode& bat = ModeOf(hmBat);
  const std::u16string saved = bat.FileExts();
  bat.SetFileExts(u"CPP;;h;.Cmd;");
  EXPECT_EQ(bat.FileExts(), u".cpp;.h;.cmd");
  EXPECT_EQ(bat.ExtCount(), 3);
  EXPECT_EQ(bat.GetDefExt(), u"cpp");
  EXPECT_TRUE(bat.HasExt(u".CMD"));
  // Modes are asked in a fixed order and C++ comes before Batch.
  EXPECT_EQ(ModeFromPath(u"x.cmd"), hmBat);
  EXPECT_EQ(ModeFromPath(u"x.cpp"), hmCpp);
  bat.SetFileExts(u"");
  EXPECT_EQ(bat.ExtCount(), 0);
  EXPECT_EQ(bat.GetDefExt(), u"");
  EXPECT_EQ(ModeFromPath(u"x.bat"), hmDefault);
  bat.SetFileExts(saved);
  EXPECT_EQ(ModeFromPath(u"x.bat"), hmBat);
}

}  // namespace
}  // namespace kelp
