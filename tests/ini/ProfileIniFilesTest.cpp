// The scripts' INI files on disk: where names lead, and that a write keeps
// every other byte of the file.
#include <gtest/gtest.h>

#include "platform/ini/ProfileIniFiles.h"
#include "tests/ini/TempDir.h"

namespace quillan::ini {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(ProfileIniFiles, NamesLeadToTheirPlace) {
  const ProfileIniFiles files("/home/u/.config/quillan");
  const std::pair<const char*, const char*> cases[] = {
      {"app.ini", "/home/u/.config/quillan/app.ini"},
      {"/etc/x.ini", "/etc/x.ini"},
      {"C\\x.ini", "C/x.ini"},
      {".\\x.ini", "./x.ini"},
      {"/home/u/.config/quillan\\QN16.INI", "/home/u/.config/quillan/QN16.INI"},
  };
  for (const auto& [name, path] : cases) EXPECT_EQ(files.pathFor(name), path) << name;
}

TEST(ProfileIniFiles, WriteKeepsEveryOtherByte) {
  TempDir dir;
  const std::string path = dir.file("keep.ini");
  writeBytes(path, "; comment\r\n\r\n[Zeta]\r\nB=2\r\nA=1\r\n\r\n[alpha]\r\nx = old\r\n");
  ProfileIniFiles files(dir.path());
  EXPECT_TRUE(files.write(path, "ALPHA", "X", "new"));
  EXPECT_TRUE(files.write("keep.ini", "Zeta", "C", ""));
  EXPECT_EQ(readBytes(path), "; comment\r\n\r\n[Zeta]\r\nB=2\r\nA=1\r\nC=\r\n\r\n[alpha]\r\nx=new\r\n");
  EXPECT_EQ(files.read("keep.ini", "zeta", "c", "dflt", 256), "");
  EXPECT_EQ(files.read(path, "zeta", "D", "dflt", 256), "dflt");
  EXPECT_EQ(files.read(path, "alpha", "x", "", 3), "ne");
}

TEST(ProfileIniFiles, CreatesThePerUserDirectoryOnly) {
  TempDir dir;
  ProfileIniFiles files(dir.file("config/quillan"));
  EXPECT_TRUE(files.write(dir.file("config/quillan") + "\\QN16.INI", "Program\\demo\\Default", "Colour", "blue"));
  EXPECT_EQ(readBytes(dir.file("config/quillan/QN16.INI")), "[Program\\demo\\Default]\r\nColour=blue\r\n");
  EXPECT_TRUE(files.write("bare.ini", "s", "k", "v"));
  EXPECT_EQ(readBytes(dir.file("config/quillan/bare.ini")), "[s]\r\nk=v\r\n");
  EXPECT_FALSE(files.write(dir.file("nowhere/x.ini"), "s", "k", "v"));
}

}  // namespace
}  // namespace quillan::ini
