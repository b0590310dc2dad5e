#include "settings/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "temp_dir.h"

namespace kelp {
namespace {

using testing::TempDir;

// Sets an environment variable for the test's duration.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SettingsLocation, FilesLieBesideAWritableProgram) {
  TempDir dir;
  testing::WriteBytes(dir.File("kelp"), "");
  testing::WriteBytes(dir.File("tool.exe"), "");
  const TSettingsPaths p = LocateSettingsFiles(dir.File("kelp"));
  EXPECT_EQ(p.IniPath, dir.File("kelp.ini"));
  EXPECT_EQ(p.HisPath, dir.File("kelp.his"));
  EXPECT_EQ(LocateSettingsFiles(dir.File("tool.exe")).IniPath, dir.File("tool.ini"));
  EXPECT_EQ(LocateSettingsFiles(dir.File("missing")).IniPath, "");  // no program file: no files
  EXPECT_EQ(LocateSettingsFiles("").HisPath, "");
}

// A program file in a folder nobody may write to: root ignores permission
// bits, so use a read-only mount when there is one.
std::optional<std::string> ProgramInReadOnlyFolder() {
  for (const char* candidate : {"/proc/sys/kernel/ostype", "/sys/kernel/notes"}) {
    struct stat st {};
    const std::string folder = std::filesystem::path(candidate).parent_path().string();
    if (::stat(candidate, &st) == 0 && S_ISREG(st.st_mode) && ::access(folder.c_str(), W_OK) != 0)
      return candidate;
  }
  return std::nullopt;
}

TEST(SettingsLocation, AnUnwritableProgramFolderUsesTheConfigFolder) {
  const auto found = ProgramInReadOnlyFolder();
  if (!found) GTEST_SKIP() << "no read-only folder on this machine";
  const std::string program = *found;
  const std::string stem = std::filesystem::path(program).stem().string();

  TempDir dir;
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", dir.File("xdg").c_str());
    const TSettingsPaths p = LocateSettingsFiles(program);
    EXPECT_EQ(p.IniPath, dir.File("xdg/kelp/" + stem + ".ini"));
    EXPECT_EQ(p.HisPath, dir.File("xdg/kelp/" + stem + ".his"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("xdg/kelp")));
  }
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", dir.Path().c_str());
    EXPECT_EQ(LocateSettingsFiles(program).IniPath, dir.File(".config/kelp/" + stem + ".ini"));
  }
}

}  // namespace
}  // namespace kelp
