#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/encoding/temp_dir.h"
#include "encoding/safe_write.h"
#include "encoding/text_file.h"

namespace kelp {
namespace {

class SafeSaveTest : public testing_support::TempDirTest {
 protected:
  void TearDown() override {
    SetWriteFaultsForTesting(nullptr);
    TempDirTest::TearDown();
  }
  static mode_t Mode(const std::string& path) {
    struct stat st;
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
  }
  const std::string original_ = std::string("original \x82\xA0 contents\r\n") + std::string(5000, 'x');
  const std::u16string text_ = u"new text あ, long enough to be written in more than one piece";
};

TEST_F(SafeSaveTest, ReplacesKeepingPermissions) {
  const std::string path = Write("doc.txt", original_);
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(SaveTextFile(path, text_, fcUTF8U));
  EXPECT_EQ(Read(path), EncodeText(text_, fcUTF8U));
  EXPECT_EQ(Mode(path), 0640u);
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(SafeSaveTest, NewFileGetsTheUsualPermissions) {
  const mode_t mask = umask(022);
  const std::string path = Path("new.txt");
  ASSERT_TRUE(SaveTextFile(path, u"", fcNONE));
  umask(mask);
  EXPECT_EQ(Read(path), "");
  EXPECT_EQ(Mode(path), 0644u);
}

TEST_F(SafeSaveTest, WritesThroughSymbolicLinks) {
  std::filesystem::create_directory(dir_ / "real");
  const std::string target = Write("real/doc.txt", original_);
  std::filesystem::create_symlink("real/doc.txt", dir_ / "link1");
  std::filesystem::create_symlink(dir_ / "link1", dir_ / "link2");
  ASSERT_TRUE(SaveTextFile(Path("link2"), text_, fcEUC));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link1"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link2"));
  EXPECT_EQ(Read(target), EncodeText(text_, fcEUC));
  // A link to a file that does not exist yet creates the file.
  std::filesystem::create_symlink("real/later.txt", dir_ / "dangling");
  ASSERT_TRUE(SaveTextFile(Path("dangling"), u"A", fcANSI));
  EXPECT_EQ(Read(Path("real/later.txt")), "A");
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "dangling"));
}

TEST_F(SafeSaveTest, RefusesReadOnlyFilesAndMissingFolders) {
  const std::string path = Write("ro.txt", original_);
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(SaveTextFile(path, text_, fcANSI));
  EXPECT_EQ(Read(path), original_);
  EXPECT_FALSE(SaveTextFile(Path("no/such/folder.txt"), text_, fcANSI));
  EXPECT_FALSE(SaveTextFile(dir_.string(), text_, fcANSI));  // a folder is not a file
  EXPECT_FALSE(SaveTextFile("", text_, fcANSI));
}

// Each injected failure leaves the original byte for byte, and no temporary
// file behind.
TEST_F(SafeSaveTest, FailuresLeaveTheOriginal) {
  struct Case {
    const char* what;
    WriteFaults faults;
  } cases[] = {
      {"write fails at once", {false, 0, false, false}},
      {"write fails midway", {false, 10, false, false}},
      {"flush fails", {false, -1, true, false}},
      {"rename fails", {false, -1, false, true}},
      {"in place: write fails midway", {true, 10, false, false}},
      {"in place: flush fails", {true, -1, true, false}},
  };
  for (const auto& c : cases) {
    const std::string path = Write("doc.txt", original_);
    SetWriteFaultsForTesting(&c.faults);
    EXPECT_FALSE(SaveTextFile(path, text_, fcUNICODE)) << c.what;
    SetWriteFaultsForTesting(nullptr);
    EXPECT_EQ(Read(path), original_) << c.what;
    EXPECT_EQ(EntryCount(), 1u) << c.what;
  }
}

TEST_F(SafeSaveTest, FolderWithoutNewFilesIsWrittenInPlace) {
  const std::string path = Write("doc.txt", original_);
  const WriteFaults noTemp{true, -1, false, false};
  SetWriteFaultsForTesting(&noTemp);
  ASSERT_TRUE(SaveTextFile(path, u"short", fcANSI));
  EXPECT_EQ(Read(path), "short");  // the longer old contents are cut off
  EXPECT_EQ(EntryCount(), 1u);
}

// A real read-only folder; the permission bits do not bind a privileged user,
// so there the folder's refusal is simulated instead.
TEST_F(SafeSaveTest, ReadOnlyFolder) {
  const std::string path = Write("doc.txt", original_);
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(chmod(dir_.c_str(), 0555), 0);
  const WriteFaults noTemp{true, -1, false, false};
  if (geteuid() == 0) SetWriteFaultsForTesting(&noTemp);
  EXPECT_FALSE(SaveTextFile(path, text_, fcANSI));
  EXPECT_EQ(Read(path), original_);
  if (geteuid() != 0) {
    EXPECT_FALSE(SaveTextFile(Path("new.txt"), text_, fcANSI));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "new.txt"));
  }
  chmod(dir_.c_str(), 0755);
}

}  // namespace
}  // namespace kelp
