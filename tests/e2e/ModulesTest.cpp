// Sound and D-Bus are modules that scriptrun opens on first use: a script
// that needs a missing one is told so and goes on, and scriptrun itself
// starts without their libraries.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

TEST(Modules, MissingModulesAreReportedAndTheScriptGoesOn) {
  const std::string dir = makeTempDir();
  const std::string modules = dir + "/no-modules";
  fs::create_directory(modules);
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

TEST(Modules, ScriptrunStartsWithoutSoundOrBusLibraries) {
  const std::string needed = neededOf(SCRIPTRUN_PATH);
  ASSERT_NE(needed.find("libQt6Widgets"), std::string::npos) << needed;
  const std::string loaded = loadedBy(SCRIPTRUN_PATH);
  ASSERT_NE(loaded.find("libQt6Widgets"), std::string::npos) << loaded;
  for (const char* heavy : {"Multimedia", "Network", "pulse", "gst"}) {
    EXPECT_EQ(needed.find(heavy), std::string::npos) << heavy;
    EXPECT_EQ(loaded.find(heavy), std::string::npos) << heavy;
  }
  // Qt Gui itself brings the D-Bus libraries along; scriptrun asks for none.
  EXPECT_EQ(needed.find("DBus"), std::string::npos) << needed;
  EXPECT_EQ(needed.find("dbus"), std::string::npos) << needed;
}

}  // namespace
}  // namespace quillan::testing
