// The text of a rules file: UTF-8 when it is valid UTF-8 with something
// above ASCII in it, Windows-1252 otherwise; values are shown as that
// encoding says and written back in it, and a character it cannot hold is
// refused, never replaced.
#include <QAction>
#include <QWidget>

#include "EditorFixture.h"
#include "editor/TextEncoding.h"

namespace quillan::editor::test {
namespace {

TEST(TextEncoding, ChoosesUtf8OnlyForValidUtf8BeyondAscii) {
  struct Case {
    std::string bytes;
    TextEncoding expected;
  };
  const Case cases[] = {
      {"", TextEncoding::Windows1252},
      {"[E1]\r\nCost=1\r\n", TextEncoding::Windows1252},
      {"Owner=alli\xC3\xA9s", TextEncoding::Utf8},
      {"\xEF\xBB\xBF[E1]", TextEncoding::Utf8},                 // a byte-order mark
      {"Owner=alli\xE9s", TextEncoding::Windows1252},           // é alone
      {"x=\xE2\x82\xAC \xF0\x9F\x98\x80", TextEncoding::Utf8},  // € and a 4-byte character
      {"x=\xC3", TextEncoding::Windows1252},                    // cut short at the end
      {"x=\xC3(", TextEncoding::Windows1252},                   // continuation missing
      {"x=\xC0\xAF", TextEncoding::Windows1252},                // overlong "/"
      {"x=\xED\xA0\x80", TextEncoding::Windows1252},            // a surrogate
      {"x=\xF4\x90\x80\x80", TextEncoding::Windows1252},        // beyond U+10FFFF
      {"x=\x80\x81", TextEncoding::Windows1252},                // stray continuation bytes
  };
  for (const Case& c : cases) EXPECT_EQ(detectEncoding(c.bytes), c.expected) << c.bytes;
}

TEST(TextEncoding, EveryWindows1252ByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString text = decodeText(all, TextEncoding::Windows1252);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));  // €
  EXPECT_EQ(text[0x9F], QChar(0x0178));  // Ÿ
  EXPECT_EQ(text[0x81], QChar(0x0081));  // undefined in the code page: kept as is
  EXPECT_EQ(text[0xE9], QChar(0x00E9));  // é
  EXPECT_EQ(encodeText(text, TextEncoding::Windows1252), all);
}

TEST(TextEncoding, RefusesWhatTheEncodingCannotHold) {
  struct Case {
    QString text;
    TextEncoding encoding;
    std::optional<std::string> bytes;
    char32_t unstorable;
  };
  const Case cases[] = {
      {"40€", TextEncoding::Windows1252, "40\x80", 0},
      {"40€", TextEncoding::Utf8, "40\xE2\x82\xAC", 0},
      {QString::fromUtf8("Ж1"), TextEncoding::Windows1252, std::nullopt, U'Ж'},
      {QString::fromUtf8("Ж1"), TextEncoding::Utf8,
       "\xD0\x96"
       "1",
       0},
      {QString(QChar(0x0080)), TextEncoding::Windows1252, std::nullopt, 0x80},  // 0x80 is €
      {QString::fromUtf8("a😀"), TextEncoding::Windows1252, std::nullopt, U'😀'},
      {QString::fromUtf8("a😀"), TextEncoding::Utf8, "a\xF0\x9F\x98\x80", 0},
      {QString(QChar(0xD800)), TextEncoding::Utf8, std::nullopt, 0xD800},  // half a pair
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    char32_t unstorable = 0;
    EXPECT_EQ(encodeText(c.text, c.encoding, &unstorable), c.bytes);
    EXPECT_EQ(unstorable, c.unstorable);
  }
}

class FileText : public EditorFixture {};

TEST_F(FileText, ValuesShowAndRoundTripInTheFilesEncoding) {
  struct Case {
    const char* name;
    std::string elsewhere;  // a line of another section
    std::string warhead;    // as stored
    QString shown;
    TextEncoding encoding;
  };
  const Case cases[] = {
      {"utf-8", "x=r\xC3\xA8gles", "Perforant-alli\xC3\xA9s \xE2\x82\xAC", QString::fromUtf8("Perforant-alliés €"),
       TextEncoding::Utf8},
      // The lone \xFF is no UTF-8, so the whole file is Windows-1252 even
      // though its first line would pass for UTF-8.
      {"windows-1252", "x=r\xC3\xA8gles \xFF", "Perforant-alli\xE9s \x80\x81",
       QString::fromUtf8("Perforant-alliés €\u0081"), TextEncoding::Windows1252},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string head = crlf({"[Other]", c.elsewhere});
    openRules(head + crlf({"[90mm]", "Damage=30", "Warhead=" + c.warhead}));
    EXPECT_EQ(window_->textEncoding(), c.encoding);
    SectionForm& form = show("90mm");
    EXPECT_EQ(fieldText(form, "Warhead"), c.shown);
    setFieldText(form, "Damage", QString::fromUtf8("40€"));
    click(form, "OK");
    ASSERT_TRUE(prompts_.errors.isEmpty()) << prompts_.errors.join("; ").toStdString();
    const std::string euro = c.encoding == TextEncoding::Utf8 ? "\xE2\x82\xAC" : "\x80";
    EXPECT_EQ(workingSection("90mm"),
              "Anim=\nReport=\nBurst=1\nDamage=40" + euro + "\nROF=0\nRange=0\nSpeed=0\nWarhead=" + c.warhead);
    // What the form did not touch keeps its bytes.
    EXPECT_EQ(readFile(workingCopyPath()).substr(0, head.size()), head);
    // Saved, the file keeps the encoding it came in.
    window_->findChild<QAction*>("FileSave")->trigger();
    EXPECT_EQ(detectEncoding(readFile(rulesPath())), c.encoding);
  }
}

TEST_F(FileText, AFieldThatCannotBeStoredStopsOkAndNamesIt) {
  const std::string rules = crlf({"[90mm]", "Damage=30", "Warhead=AP \x80"});
  openRules(rules);
  ASSERT_EQ(window_->textEncoding(), TextEncoding::Windows1252);
  SectionForm& form = show("90mm");
  setFieldText(form, "Damage", QString::fromUtf8("40Ж"));
  click(form, "OK");
  ASSERT_EQ(prompts_.errors.size(), 1);
  const QString& message = prompts_.errors.front();
  EXPECT_TRUE(message.contains("Damage")) << message.toStdString();
  EXPECT_TRUE(message.contains(QString::fromUtf8("Ж"))) << message.toStdString();
  EXPECT_TRUE(message.contains("U+0416")) << message.toStdString();
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(window_->isEnabled());
  EXPECT_FALSE(window_->isModified());
  EXPECT_EQ(readFile(workingCopyPath()), rules);
  EXPECT_EQ(form.focusWidget(), form.findChild<QWidget*>("Damage"));

  // Put right, OK goes through.
  setFieldText(form, "Damage", QString::fromUtf8("40€"));
  click(form, "OK");
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(workingSection("90mm"), "Anim=\nReport=\nBurst=1\nDamage=40\x80\nROF=0\nRange=0\nSpeed=0\nWarhead=AP \x80");
}

}  // namespace
}  // namespace quillan::editor::test
