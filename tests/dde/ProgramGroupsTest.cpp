#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "tools/quillan-progman/ProgramGroups.h"

namespace quillan::progman {
namespace {

namespace fs = std::filesystem;

struct ProgramGroupsTest : ::testing::Test {
  fs::path root = fs::temp_directory_path() / ("quillan-progman-" + std::to_string(getpid()));
  MenuPlaces places = userMenuPlaces(root.c_str(), (root / "config").c_str(), (root / "data").c_str());
  ProgramGroups groups{places};

  ~ProgramGroupsTest() override { fs::remove_all(root); }

  std::string run(const std::string& text) {
    const ParsedCommands parsed = parseCommands(text);
    if (!parsed.error.empty()) return parsed.error;
    return groups.run(parsed.commands);
  }
  static std::string read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Every file under root, relative to it.
  std::set<std::string> files() const {
    std::set<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root))
      if (entry.is_regular_file()) found.insert(fs::relative(entry.path(), root).string());
    return found;
  }
};

TEST(MenuPlacesTest, FollowTheBaseDirectoryRules) {
  const MenuPlaces set = userMenuPlaces("/home/u", "/cfg", "/data");
  EXPECT_EQ(set.menus, "/cfg/menus/applications-merged");
  EXPECT_EQ(set.directories, "/data/desktop-directories");
  EXPECT_EQ(set.applications, "/data/applications");
  // Unset, empty or relative: the defaults under home.
  for (const char* value : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
    const MenuPlaces fallback = userMenuPlaces("/home/u", value, value);
    EXPECT_EQ(fallback.menus, "/home/u/.config/menus/applications-merged");
    EXPECT_EQ(fallback.applications, "/home/u/.local/share/applications");
  }
}

TEST_F(ProgramGroupsTest, CreateGroupWritesTheSubmenu) {
  ASSERT_EQ(run("[CreateGroup(My Tools)]"), "");
  EXPECT_EQ(files(), (std::set<std::string>{"config/menus/applications-merged/quillan-progman-my_20tools.menu",
                                            "data/desktop-directories/quillan-progman-my_20tools.directory"}));
  EXPECT_EQ(read(places.directories + "/quillan-progman-my_20tools.directory"),
            "[Desktop Entry]\nType=Directory\nName=My Tools\nIcon=folder\n");
  const std::string menu = read(places.menus + "/quillan-progman-my_20tools.menu");
  EXPECT_NE(menu.find("<Name>Applications</Name>"), std::string::npos);
  EXPECT_NE(menu.find("<Directory>quillan-progman-my_20tools.directory</Directory>"), std::string::npos);
  EXPECT_NE(menu.find("<Category>X-Quillan-my_20tools</Category>"), std::string::npos);
  EXPECT_EQ(groups.groups(), std::vector<std::string>{"My Tools"});
}

TEST_F(ProgramGroupsTest, AddItemWritesAnEntryInTheCurrentGroup) {
  ASSERT_EQ(run("[CreateGroup(My Tools)][AddItem(\"/opt/my tool/run.sh\" -v,Tool,/opt/t.png,0,,,/opt)]"), "");
  EXPECT_EQ(read(places.applications + "/quillan-progman-my_20tools-tool.desktop"),
            "[Desktop Entry]\nType=Application\nName=Tool\nExec=\"/opt/my tool/run.sh\" -v\nIcon=/opt/t.png\n"
            "Path=/opt\nCategories=X-Quillan-my_20tools;\n");
  // Without a name the program's own name is taken.
  ASSERT_EQ(run("[AddItem(/usr/bin/gimp.bin)]"), "");
  EXPECT_TRUE(fs::exists(places.applications + "/quillan-progman-my_20tools-gimp.desktop"));
}

TEST_F(ProgramGroupsTest, ItemsGoToTheGroupLastCreatedOrShown) {
  ASSERT_EQ(run("[CreateGroup(A)][CreateGroup(B)][AddItem(x,InB)][ShowGroup(A,1)][AddItem(x,InA)]"), "");
  EXPECT_TRUE(fs::exists(places.applications + "/quillan-progman-b-inb.desktop"));
  EXPECT_TRUE(fs::exists(places.applications + "/quillan-progman-a-ina.desktop"));
  // Showing a group that is not there changes nothing and is no failure.
  ASSERT_EQ(run("[ShowGroup(Nowhere,1)][AddItem(x,Also)]"), "");
  EXPECT_TRUE(fs::exists(places.applications + "/quillan-progman-a-also.desktop"));
}

TEST_F(ProgramGroupsTest, DeleteItemAndDeleteGroupRemoveOnlyTheirFiles) {
  ASSERT_EQ(run("[CreateGroup(A)][AddItem(x,One)][AddItem(x,Two)][CreateGroup(A B)][AddItem(x,Three)]"), "");
  std::ofstream(places.applications + "/someone-else.desktop") << "[Desktop Entry]\n";
  ASSERT_EQ(run("[ShowGroup(A,1)][DeleteItem(One)]"), "");
  EXPECT_FALSE(fs::exists(places.applications + "/quillan-progman-a-one.desktop"));
  EXPECT_NE(run("[DeleteItem(One)]"), "");
  ASSERT_EQ(run("[DeleteGroup(A)]"), "");
  EXPECT_EQ(files(), (std::set<std::string>{"config/menus/applications-merged/quillan-progman-a_20b.menu",
                                            "data/desktop-directories/quillan-progman-a_20b.directory",
                                            "data/applications/quillan-progman-a_20b-three.desktop",
                                            "data/applications/someone-else.desktop"}));
  EXPECT_NE(run("[DeleteGroup(A)]"), "");
  EXPECT_NE(run("[AddItem(x,Four)]"), "") << "the current group is gone";
}

TEST_F(ProgramGroupsTest, RefusalsChangeNothingOrStopAtTheFailure) {
  EXPECT_NE(run("[AddItem(x,NoGroup)]"), "");
  EXPECT_NE(run("[CreateGroup(A)][Format(C:)]"), "") << "unknown command";
  EXPECT_NE(run("[CreateGroup(A,b,c,d)]"), "") << "too many arguments";
  EXPECT_NE(run("[DeleteItem()]"), "") << "too few arguments";
  EXPECT_FALSE(fs::exists(root));
  EXPECT_EQ(run("[Reload][ExitProgman(1)][ShowGroup(x,2)]"), "");
  EXPECT_FALSE(fs::exists(root));
}

TEST_F(ProgramGroupsTest, HostileNamesStayInsideTheirDirectories) {
  const char* names[] = {"../../etc", "/etc/passwd", "..",    ".",         "a/../../b",
                         "x\ny=z",    "tab\there",   "Grüße", "\"quoted\""};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    const std::string quoted = std::string("\"") + name + "\"";
    ASSERT_EQ(run("[CreateGroup(" + quoted + ")][AddItem(/bin/true," + quoted + ")]"), "");
  }
  std::set<std::string> directories;
  for (const std::string& file : files()) {
    const fs::path path(file);
    directories.insert(path.parent_path().string());
    const std::string name = path.filename().string();
    EXPECT_EQ(name.rfind("quillan-progman-", 0), 0u) << file;
    EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_-.ABCDEF"), std::string::npos) << file;
  }
  EXPECT_EQ(directories, (std::set<std::string>{"config/menus/applications-merged", "data/desktop-directories",
                                                "data/applications"}));
  // A line break in a name cannot start a key of its own.
  const std::string entry = read(places.applications + "/quillan-progman-x_0Ay_3Dz-x_0Ay_3Dz.desktop");
  EXPECT_NE(entry.find("Name=x\\ny=z\n"), std::string::npos);
  EXPECT_EQ(entry.find("\ny=z"), std::string::npos);
  EXPECT_EQ(groups.groups().size(), std::size(names));
}

}  // namespace
}  // namespace quillan::progman
