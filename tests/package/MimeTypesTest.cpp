// The desktop's MIME database, built from the system's types and ours (the
// fixture runs update-mime-database), tells each kind of file apart the way
// a file manager does: by name, and by first bytes where names disagree.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QMimeDatabase>
#include <QString>
#include <string>

#include "tools/quillanc/ScriptCompiler.h"

namespace {

std::string compiledScript() {
  const auto compiled = quillan::compiler::compileLines({"TITLE Greeting", "INFO Hello %1!"});
  EXPECT_TRUE(compiled.ok) << compiled.error;
  return compiled.bytes;
}

struct FileCase {
  const char* name;
  std::string bytes;
  const char* type;
};

TEST(MimeTypes, EachKindOfFileIsKnownByNameOrFirstBytes) {
  const std::string compiled = compiledScript();
  const FileCase cases[] = {
      // quillanc's default name: the .exe glob is shared, the launcher decides.
      {"hello.exe", compiled, "application/x-quillan-compiled-script"},
      {"hello", compiled, "application/x-quillan-compiled-script"},
      {"hello.run", compiled, "application/x-quillan-compiled-script"},
      // The others that look alike stay what they are.
      {"setup.exe", std::string("MZ\x90\0\3\0\0\0", 8) + std::string(120, '\0'), "application/x-ms-dos-executable"},
      {"greet", "#!/bin/sh\necho hello\n", "application/x-shellscript"},
      {"install.sh", "#!/bin/sh\n# A compiled script? No.\n", "application/x-shellscript"},
      {"order.qs", "TITLE Order\nINFO Thank you\n", "text/x-quillan-script"},
      {"rules.ini", "[General]\nName=Rules\n", "text/x-ini"},
  };
  const QMimeDatabase db;
  for (const FileCase& c : cases) {
    const QMimeType type =
        db.mimeTypeForFileNameAndData(QString::fromUtf8(c.name), QByteArray(c.bytes.data(), qsizetype(c.bytes.size())));
    EXPECT_EQ(type.name().toStdString(), c.type) << c.name;
  }
}

TEST(MimeTypes, ScriptSourcesAreTextThatEditorsOpen) {
  const QMimeDatabase db;
  const QMimeType source = db.mimeTypeForName("text/x-quillan-script");
  ASSERT_TRUE(source.isValid());
  EXPECT_TRUE(source.inherits("text/plain"));
  EXPECT_FALSE(source.comment().isEmpty());
  EXPECT_TRUE(db.mimeTypeForName("text/x-ini").inherits("text/plain"));
}

}  // namespace
