// The desktop, sound and D-Bus are modules that scriptrun opens on first
// use: a script that needs a missing sound or D-Bus module is told so and
// goes on, one that needs a missing desktop ends with the reason, and
// scriptrun itself starts without any of their libraries.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

TEST(Modules, MissingModulesAreReportedAndTheScriptGoesOn) {
  const std::string dir = makeTempDir();
  // Only the desktop is there.
  const std::string modules = dir + "/desktop-only";
  fs::create_directory(modules);
  fs::create_symlink(DESKTOP_MODULE_PATH, modules + "/libquillan_desktop.so");
  writeFileBytes(dir + "/chime.wav", "RIFF");
  writeFileBytes(dir + "/modules.qs", "PLAY " + dir +
                                          "/chime.wav,WAIT\n"
                                          "PLAY " +
                                          dir +
                                          "/chime.wav\n"
                                          "%M = @mci(open " +
                                          dir +
                                          "/chime.wav alias c)\n"
                                          "INFO mci: [@ok()]\n"
                                          "DIALOG CREATE,Talk,10,10,200,100,BUTTON(Go)\n"
                                          "DDE LINK,Sheet,Book\n"
                                          "INFO link: [@ok()]\n"
                                          "DDE POKE,Cell,1\n"
                                          "INFO poke: [@ok()]\n"
                                          "DIALOG CLOSE\n"
                                          "INFO went on\n");
  ASSERT_EQ(runProgram(QUILLANC_PATH, {dir + "/modules.qs"}).status, 0);
  const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended", dir + "/modules.exe"},
                            {{"QUILLAN_MODULE_DIR", modules}, {"QUILLAN_REGISTRY", dir + "/registry.db"}});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "box\tinformation\tOK\tQuillan\tmci: []\tOK\n"
            "box\tinformation\tOK\tQuillan\tlink: []\tOK\n"
            "box\tinformation\tOK\tQuillan\tpoke: []\tOK\n"
            "box\tinformation\tOK\tQuillan\twent on\tOK\n");
  // Each missing module is told once, by the path looked in.
  const std::string noSound = "scriptrun: Sound is not available: cannot load " + modules +
                              "/libquillan_sound.so: cannot open shared object file: No such file or directory\n";
  const std::string noDbus = "scriptrun: D-Bus is not available: cannot load " + modules +
                             "/libquillan_dbus.so: cannot open shared object file: No such file or directory\n";
  EXPECT_EQ(r.err, noSound + noDbus);
  fs::remove_all(dir);
}

// The libraries a program names itself, and all it loads before main.
std::string neededOf(const std::string& program) { return runProgram("/usr/bin/readelf", {"-d", "-W", program}).out; }
std::string loadedBy(const std::string& program) { return runProgram("/usr/bin/ldd", {program}).out; }

TEST(Modules, ScriptrunStartsWithoutQtSoundOrBusLibraries) {
  const std::string needed = neededOf(SCRIPTRUN_PATH);
  const std::string loaded = loadedBy(SCRIPTRUN_PATH);
  ASSERT_NE(loaded.find("libc.so"), std::string::npos) << loaded;
  for (const char* heavy : {"Qt6", "Multimedia", "Network", "pulse", "gst", "dbus", "fontconfig", "icu"}) {
    EXPECT_EQ(needed.find(heavy), std::string::npos) << heavy;
    EXPECT_EQ(loaded.find(heavy), std::string::npos) << heavy;
  }
  // The desktop module brings Qt Widgets and no more.
  const std::string desktop = neededOf(DESKTOP_MODULE_PATH);
  EXPECT_NE(desktop.find("libQt6Widgets"), std::string::npos) << desktop;
  for (const char* heavy : {"Multimedia", "Network", "DBus"})
    EXPECT_EQ(desktop.find(heavy), std::string::npos) << heavy;
}

// What each script needs decides whether the desktop is opened at all: a
// script that never shows anything runs where there is none to open, and
// one that shows a box ends with the reason, naming the file looked for.
TEST(Modules, OnlyAScriptThatNeedsTheDesktopNeedsItsModule) {
  const std::string dir = makeTempDir();
  const std::string modules = dir + "/no-modules";
  fs::create_directory(modules);
  struct Case {
    const char* script;
    int status;
    const char* out;
    bool reported;
  };
  const Case cases[] = {
      {"%A = @sum(1,2)\nLIST 1,CREATE\nLIST 1,ADD,%A\nWAIT 0\nEXIT\n", 0, "", false},
      {"WAIT 0\nINFO never shown\n", 69, "", true},
      {"%A = @clipbrd()\n", 69, "", true},
      {"GOTO nowhere\n", 69, "", true},  // the error's box
  };
  for (const Case& c : cases) {
    writeFileBytes(dir + "/needs.qs", c.script);
    ASSERT_EQ(runProgram(QUILLANC_PATH, {dir + "/needs.qs"}).status, 0) << c.script;
    const auto r = runProgram(SCRIPTRUN_PATH, {"--unattended", dir + "/needs.exe"},
                              {{"QUILLAN_MODULE_DIR", modules}, {"QUILLAN_REGISTRY", dir + "/registry.db"}});
    EXPECT_EQ(r.status, c.status) << c.script << r.err;
    EXPECT_EQ(r.out, c.out) << c.script;
    const std::string told = "scriptrun: The desktop is not available: cannot load " + modules +
                             "/libquillan_desktop.so: cannot open shared object file: No such file or directory\n";
    EXPECT_EQ(r.err, c.reported ? told : "") << c.script;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace quillan::testing
