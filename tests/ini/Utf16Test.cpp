// Files that start with a UTF-16LE byte-order mark are read and written as
// UTF-16; every other file is 8-bit and passes through byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "platform/ini/IniDocument.h"

namespace quillan::ini {
namespace {

// ASCII text as UTF-16LE code units (each char one unit).
std::string wide(std::string_view ascii) {
  std::string out;
  for (char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

const std::string kBom("\xFF\xFE", 2);

TEST(IniUtf16, ReadsTextAsUtf8) {
  // "é" is U+00E9, "😀" is U+1F600 (a surrogate pair).
  const std::string file = kBom + wide("[s]\r\nk=") + std::string("\xE9\x00", 2) + wide("\r\np=") +
                           std::string("\x3D\xD8\x00\xDE", 4) + wide("\r\n");
  const IniDocument doc = IniDocument::parse(file);
  EXPECT_TRUE(doc.isUtf16());
  EXPECT_EQ(doc.value("s", "k"), "\xC3\xA9");
  EXPECT_EQ(doc.value("s", "p"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(doc.serialize(), file);
}

TEST(IniUtf16, EditWritesUtf16AndKeepsOtherUnits) {
  const std::string file = kBom + wide("; note\r\n[s]\r\nk=old\r\n");
  IniDocument doc = IniDocument::parse(file);
  doc.set("s", "k", "n\xC3\xA9w");
  doc.set("t", "x", "1");
  EXPECT_EQ(doc.serialize(),
            kBom + wide("; note\r\n[s]\r\nk=n") + std::string("\xE9\x00", 2) + wide("w\r\n[t]\r\nx=1\r\n"));
}

TEST(IniUtf16, UnitsThatAreNotTextSurviveARoundTrip) {
  // A lone high surrogate, a lone low surrogate, a NUL unit and an odd
  // final byte: none of it is valid text, all of it must come back.
  const std::string file = kBom + wide("[s]\nk=") + std::string("\x00\xD8", 2) + wide("a") +
                           std::string("\x00\xDC\x00\x00", 4) + wide("\n") + std::string("\x41", 1);
  IniDocument doc = IniDocument::parse(file);
  EXPECT_EQ(doc.serialize(), file);
  doc.set("s", "z", "1");
  EXPECT_EQ(IniDocument::parse(doc.serialize()).value("s", "k"), doc.value("s", "k"));
}

TEST(IniUtf16, BigEndianMarkIsNotRecognised) {
  const std::string file = "\xFE\xFF[s]\nk=v\n";
  const IniDocument doc = IniDocument::parse(file);
  EXPECT_FALSE(doc.isUtf16());
  EXPECT_EQ(doc.serialize(), file);
}

}  // namespace
}  // namespace quillan::ini
