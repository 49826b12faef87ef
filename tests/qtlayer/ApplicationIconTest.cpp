// A compiled script file whose stub is an executable with icon resources
// gives the application its icon; a launcher stub leaves the icon alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/dialog/QtUserInterface.h"
#include "tools/quillanc/ScriptCompiler.h"

namespace quillan::dialog {
namespace {

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string writeTemp(const std::string& name, const std::string& bytes) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(ApplicationIcon, ComesFromAnExecutableStubOnly) {
  QtUserInterface ui;
  QApplication::setWindowIcon(QIcon());

  const auto compiled = compiler::compileLines({"INFO x"});
  const std::string launcher = writeTemp("quillan-icon-launcher.exe", compiled.bytes);
  ui.setApplicationIconFrom(launcher);
  EXPECT_TRUE(QApplication::windowIcon().isNull());

  std::string stub = readBytes(QUILLAN_SOURCE_DIR "/fuzz/corpus/peicon/pe32_two_images.pe");
  ASSERT_FALSE(stub.empty());
  stub.resize(8192, '\0');
  const std::string withIcon = writeTemp("quillan-icon-pe.exe", stub + compiled.bytes.substr(8192));
  ui.setApplicationIconFrom(withIcon);
  EXPECT_FALSE(QApplication::windowIcon().isNull());

  std::filesystem::remove(launcher);
  std::filesystem::remove(withIcon);
}

}  // namespace
}  // namespace quillan::dialog
