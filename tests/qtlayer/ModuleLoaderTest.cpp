// Opening scriptrun's modules: found, missing, broken, or of another kind.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "runtime/dialog/DbusModule.h"
#include "runtime/dialog/ModuleLoader.h"
#include "runtime/dialog/SoundModule.h"

namespace quillan::dialog {
namespace {

namespace fs = std::filesystem;

// QUILLAN_MODULE_DIR for the length of one case.
struct ModuleDirectory {
  explicit ModuleDirectory(const std::string& dir) { ::setenv("QUILLAN_MODULE_DIR", dir.c_str(), 1); }
  ~ModuleDirectory() { ::unsetenv("QUILLAN_MODULE_DIR"); }
};

TEST(ModuleLoader, OpensWhatIsThereAndNamesTheFileOtherwise) {
  const fs::path scratch = fs::temp_directory_path() / ("quillan-modules-" + std::to_string(::getpid()));
  const fs::path empty = scratch / "empty";
  const fs::path broken = scratch / "broken";
  fs::create_directories(empty);
  fs::create_directories(broken);
  std::ofstream(broken / kSoundModuleFile) << "not a library";

  const struct {
    std::string dir;
    const char* entry;
    bool loads;
    std::string message;  // empty when it loads
  } cases[] = {
      {QUILLAN_MODULE_BUILD_DIR, kSoundModuleEntry, true, ""},
      {empty.string(), kSoundModuleEntry, false,
       "Sound is not available: cannot load " + (empty / kSoundModuleFile).string() +
           ": cannot open shared object file: No such file or directory"},
      {broken.string(), kSoundModuleEntry, false,
       "Sound is not available: cannot load " + (broken / kSoundModuleFile).string() + ": "},
      // The right file with the wrong entry: a module of another kind.
      {QUILLAN_MODULE_BUILD_DIR, kDbusModuleEntry, false,
       "Sound is not available: " + (fs::path(QUILLAN_MODULE_BUILD_DIR) / kSoundModuleFile).string() + " has no " +
           kDbusModuleEntry},
  };
  for (const auto& c : cases) {
    ModuleDirectory use(c.dir);
    Module module(kSoundModuleFile, c.entry, "Sound");
    EXPECT_EQ(module.object() != nullptr, c.loads) << c.dir;
    EXPECT_TRUE(module.failure().starts_with(c.message)) << module.failure();
    if (!c.loads) {
      EXPECT_GT(module.failure().size(), c.message.size() - 1);
    }
    // Tried once: asking again neither loads nor changes the reason.
    const std::string first = module.failure();
    EXPECT_EQ(module.object() != nullptr, c.loads);
    EXPECT_EQ(module.failure(), first);
  }
  fs::remove_all(scratch);
}

TEST(ModuleLoader, LooksInTheInstallDirectoryThenBesideTheProgram) {
  ::unsetenv("QUILLAN_MODULE_DIR");
  const fs::path program = fs::read_symlink("/proc/self/exe").parent_path();
  const std::vector<std::string> dirs = moduleDirectories();
  ASSERT_EQ(dirs.size(), 2U);
  EXPECT_TRUE(dirs[0].ends_with("/quillan")) << dirs[0];
  EXPECT_EQ(dirs[1], program.string());
  ModuleDirectory use("/somewhere/else");
  EXPECT_EQ(moduleDirectories(), std::vector<std::string>{"/somewhere/else"});
}

}  // namespace
}  // namespace quillan::dialog
