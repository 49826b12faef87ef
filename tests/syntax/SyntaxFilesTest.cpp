// The syntax definitions against the interpreter's tables: every command and
// function name must reach both files, and the XML must be well formed.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "runtime/core/Commands.h"
#include "runtime/core/FunctionNames.h"
#include "tools/quillan-syntax/SyntaxFiles.h"

#ifdef QUILLAN_HAVE_QT
#include <QXmlStreamReader>
#endif

namespace quillan::syntax {
namespace {

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The word stands in the text on its own, not as part of a longer word.
bool containsWord(std::string_view text, std::string_view word) {
  for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
    const bool startsWord = at == 0 || !isWordChar(text[at - 1]);
    const std::size_t end = at + word.size();
    if (startsWord && (end == text.size() || !isWordChar(text[end]))) return true;
  }
  return false;
}

struct Output {
  const char* name;
  std::string (*make)(const SyntaxWords&);
};

class EverySyntaxFile : public ::testing::TestWithParam<Output> {};

TEST_P(EverySyntaxFile, NamesEveryCommandAndFunctionOfTheTables) {
  const std::string text = GetParam().make(languageWords());
  for (std::string_view command : core::kCommandNames) EXPECT_TRUE(containsWord(text, command)) << command;
  for (std::string_view function : core::kFunctionNames) EXPECT_TRUE(containsWord(text, function)) << function;
  for (std::string_view word : {"CREATE", "SAVEPOS", "DKRED", "CURUSER", "LOADFILE"})
    EXPECT_TRUE(containsWord(text, word)) << word << " (a sub-command or option word)";
}

INSTANTIATE_TEST_SUITE_P(Syntax, EverySyntaxFile,
                         ::testing::Values(Output{"Kate", kateDefinition}, Output{"Vim", vimSyntax}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SyntaxWords, KeywordsHoldNoCommandOrFunctionAndNoPacking) {
  const SyntaxWords words = languageWords();
  for (const std::string& word : words.keywords) {
    EXPECT_EQ(word.find_first_of("; "), std::string::npos) << '"' << word << '"';
    for (std::string_view command : core::kCommandNames) EXPECT_NE(word, command);
    for (std::string_view function : core::kFunctionNames) EXPECT_NE(word, function);
  }
}

#ifdef QUILLAN_HAVE_QT
TEST(KateDefinition, IsWellFormedXmlForScriptSources) {
  QXmlStreamReader reader(QByteArray::fromStdString(kateDefinition(languageWords())));
  QString root;
  QString extensions;
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && root.isEmpty()) {
      root = reader.name().toString();
      extensions = reader.attributes().value("extensions").toString();
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line " << reader.lineNumber();
  EXPECT_EQ(root.toStdString(), "language");
  EXPECT_TRUE(extensions.contains("*.qs"));
}
#endif

}  // namespace
}  // namespace quillan::syntax
