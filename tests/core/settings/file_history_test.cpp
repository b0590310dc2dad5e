#include "settings/file_history.h"

#include <gtest/gtest.h>

#include <set>

#include "scoped_write_faults.h"
#include "temp_dir.h"

namespace kelp {
namespace {

using testing::ReadBytes;
using testing::TempDir;

TEST(FileHistory, StoresCaretAndMarksPerPath) {
  TempDir dir;
  const std::string his = dir.File("kelp.his");
  const std::u16string a = u"/home/user/日本語.txt", b = u"/home/user/Other.txt";
  {
    TFileHistory h(his);
    h.StoreFileState(a, 120, {5, 70, 9});
    h.StoreFileState(b, 3, {});
    h.StoreFileState(a, 44, {});  // caret only: the marks stay
    EXPECT_EQ(h.RestoreFileState(a), (TFileState{44, {5, 70, 9}}));
    h.StoreFileState(a, 45, {1});  // with marks: the section is replaced
    EXPECT_EQ(h.RestoreFileState(a), (TFileState{45, {1}}));
    EXPECT_EQ(h.RestoreFileState(u"/never/stored"), TFileState{});
    h.StoreFileState(b, 5000000000, {4000000000});
    ASSERT_TRUE(h.PruneHistory([](const std::u16string&) { return true; }));
  }
  const TFileHistory again(his);
  EXPECT_EQ(again.RestoreFileState(a), (TFileState{45, {1}}));
  EXPECT_EQ(again.RestoreFileState(b), (TFileState{5000000000, {4000000000}}));
  // Paths differing only in case are different files.
  EXPECT_EQ(again.RestoreFileState(u"/home/user/other.txt"), TFileState{});
  // Section names are the paths in UTF-7, ASCII only.
  for (const auto& name : again.Ini().ReadSections())
    for (char16_t c : name) EXPECT_LT(c, 0x80);
}

TEST(FileHistory, MarksAreReadUpToTheFirstMissingKey) {
  TempDir dir;
  const std::string his = dir.File("kelp.his");
  testing::WriteBytes(his, "[/doc.txt]\n0=10\n1=20\n3=40\nCARET=7\n[/none.txt]\n0=1\n");
  const TFileHistory h(his);
  EXPECT_EQ(h.RestoreFileState(u"/doc.txt"), (TFileState{7, {10, 20}}));
  EXPECT_EQ(h.RestoreFileState(u"/none.txt"), (TFileState{0, {1}}));  // caret defaults to 0
}

TEST(FileHistory, PruneDropsBrokenMissingAndEmptySections) {
  TempDir dir;
  const std::string his = dir.File("kelp.his");
  testing::WriteBytes(his,
                      "[/kept/marks.txt]\n0=3\nCARET=0\n"
                      "[/kept/caret.txt]\nCARET=9\n"
                      "[/empty/state.txt]\nCARET=0\n"
                      "[/deleted.txt]\n0=1\nCARET=2\n"
                      "[+ZZZ-]\nCARET=4\n");  // not UTF-7
  TFileHistory h(his);
  const std::set<std::u16string> existing = {u"/kept/marks.txt", u"/kept/caret.txt", u"/empty/state.txt",
                                             u"+ZZZ-"};
  ASSERT_TRUE(h.PruneHistory([&](const std::u16string& p) { return existing.count(p) > 0; }));
  const TFileHistory again(his);
  std::vector<std::u16string> sections = again.Ini().ReadSections();
  std::erase(sections, std::u16string(kUnicodeMarkerSection));
  EXPECT_EQ(sections, (std::vector<std::u16string>{u"/kept/marks.txt", u"/kept/caret.txt"}));
}

TEST(FileHistory, ADeletedFileDisappearsAtTheNextExit) {
  TempDir dir;
  const std::string doc = dir.File("メモ.txt");
  testing::WriteBytes(doc, "text");
  const std::u16string doc16 = u"" + std::u16string(dir.Path().begin(), dir.Path().end()) + u"/メモ.txt";
  {
    TFileHistory h(dir.File("kelp.his"));
    h.StoreFileState(doc16, 3, {1});
    ASSERT_TRUE(h.PruneHistory(FileExistsOnDisk));
  }
  EXPECT_EQ(TFileHistory(dir.File("kelp.his")).RestoreFileState(doc16), (TFileState{3, {1}}));
  std::filesystem::remove(doc);
  {
    TFileHistory h(dir.File("kelp.his"));
    ASSERT_TRUE(h.PruneHistory(FileExistsOnDisk));
  }
  EXPECT_EQ(TFileHistory(dir.File("kelp.his")).RestoreFileState(doc16), TFileState{});
}

TEST(FileHistory, AFailedWriteGivesTheHistoryUp) {
  TempDir dir;
  const std::string his = dir.File("kelp.his");
  TFileHistory h(his);
  for (int i = 0; i < 40; ++i) h.StoreFileState(u"/file" + std::u16string(1, u'A' + i), i + 1, {i});
  ASSERT_TRUE(h.PruneHistory([](const std::u16string&) { return true; }));
  const std::string before = ReadBytes(his);

  bool written = true;
  {
    testing::ScopedWriteFaults full({.writeLimit = 64});
    written = h.PruneHistory([](const std::u16string&) { return true; });
  }

  EXPECT_FALSE(written);
  EXPECT_FALSE(h.Enabled());
  EXPECT_EQ(ReadBytes(his), before);
  h.StoreFileState(u"/fileA", 99, {});
  EXPECT_EQ(h.RestoreFileState(u"/fileA"), TFileState{});
  EXPECT_FALSE(h.PruneHistory([](const std::u16string&) { return true; }));

  TFileHistory none("");
  EXPECT_FALSE(none.Enabled());
  EXPECT_FALSE(none.PruneHistory([](const std::u16string&) { return true; }));
}

}  // namespace
}  // namespace kelp
