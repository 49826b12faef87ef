// quillan-progman as a script meets it: a private session bus whose only
// service directory holds the peer's .service file, a compiled script run
// unattended by scriptrun that links to PROGMAN (so the bus starts the
// peer) and installs a group and an item; the desktop entry it leaves must
// pass desktop-file-validate.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

std::string busConfig(const std::string& dir) {
  return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
         " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
         "<busconfig>\n"
         "  <type>session</type>\n"
         "  <listen>unix:tmpdir=" +
         dir +
         "</listen>\n"
         "  <auth>EXTERNAL</auth>\n"
         "  <servicedir>" +
         dir +
         "/services</servicedir>\n"
         "  <policy context=\"default\">\n"
         "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
         "    <allow eavesdrop=\"true\"/>\n"
         "    <allow own=\"*\"/>\n"
         "  </policy>\n"
         "</busconfig>\n";
}

TEST(ProgmanActivation, ALinkStartsThePeerAndTheEntryIsValid) {
  const std::string dir = makeTempDir();
  fs::create_directories(dir + "/services");
  writeFileBytes(dir + "/services/org.quillan.Dde.progman.service",
                 "[D-BUS Service]\nName=org.quillan.Dde.progman\nExec=" QUILLAN_PROGMAN_PATH "\n");
  writeFileBytes(dir + "/bus.conf", busConfig(dir));
  const std::string exe = dir + "/progman.exe";
  const auto compiled = runProgram(QUILLANC_PATH, {std::string(SCRIPTS_DIR) + "/progman.qs", "-o", exe});
  ASSERT_EQ(compiled.status, 0) << compiled.err;

  const auto run = runProgram(DBUS_RUN_SESSION_PATH,
                              {"--config-file=" + dir + "/bus.conf", "--", SCRIPTRUN_PATH, "--unattended", exe},
                              {{"HOME", dir + "/home"},
                               {"XDG_CONFIG_HOME", dir + "/config"},
                               {"XDG_DATA_HOME", dir + "/data"},
                               {"QUILLAN_REGISTRY", dir + "/registry.db"}},
                              dir);
  EXPECT_EQ(run.out, readFileBytes(std::string(SCRIPTS_DIR) + "/progman.out")) << run.err;
  EXPECT_EQ(run.status, 0) << run.err;

  const std::string entry = dir + "/data/applications/quillan-progman-quillan_20tools-run_20tool.desktop";
  EXPECT_EQ(readFileBytes(entry),
            "[Desktop Entry]\nType=Application\nName=Run Tool\nExec=\"/opt/quillan tools/run.sh\" --size 100\n"
            "Categories=X-Quillan-quillan_20tools;\n");
  EXPECT_TRUE(fs::exists(dir + "/config/menus/applications-merged/quillan-progman-quillan_20tools.menu"));
  EXPECT_TRUE(fs::exists(dir + "/data/desktop-directories/quillan-progman-quillan_20tools.directory"));
  for (const std::string& file : {entry, dir + "/data/desktop-directories/quillan-progman-quillan_20tools.directory"}) {
    const auto valid = runProgram(DESKTOP_FILE_VALIDATE_PATH, {file});
    EXPECT_EQ(valid.status, 0) << file << ": " << valid.out << valid.err;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace quillan::testing
