// Every catalogue entry on the bundled example file: show the form, OK
// without changes, show it again; it must show exactly what it showed the
// first time, and no other section may have changed.
#include <QFileInfo>

#include "EditorFixture.h"
#include "editor/Catalogue.h"
#include "platform/ini/IniDocument.h"

namespace quillan::editor::test {
namespace {

std::vector<const CatalogueRow*> entriesWithForms() {
  std::vector<const CatalogueRow*> out;
  for (const CatalogueRow& row : catalogueEntries()) {
    if (row.opensForm()) out.push_back(&row);
  }
  return out;
}

class ExampleRoundTrip : public EditorFixture, public ::testing::WithParamInterface<const CatalogueRow*> {};

TEST_P(ExampleRoundTrip, OkWithoutChangesShowsTheSameValuesAgain) {
  const CatalogueRow& row = *GetParam();
  openRules(readFile(QUILLAN_EXAMPLE_RULES));
  const auto before = ini::IniDocument::parse(readFile(workingCopyPath()));
  ASSERT_TRUE(before.hasSection(row.section)) << "the example lacks " << row.section;

  window_->chooseEntry(row);
  SectionForm& form = window_->form(row.form);
  EXPECT_EQ(form.windowTitle(), tableText(row.title));
  const auto firstShowing = shownState(form);
  click(form, "OK");
  ASSERT_TRUE(prompts_.errors.isEmpty());

  window_->chooseEntry(row);
  EXPECT_EQ(shownState(form), firstShowing);
  click(form, "Cancel");

  const auto after = ini::IniDocument::parse(readFile(workingCopyPath()));
  for (const std::string& section : before.sections()) {
    if (equalsIgnoringCase(section, row.section)) continue;
    EXPECT_EQ(after.sectionLines(section), before.sectionLines(section)) << section;
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ExampleRoundTrip, ::testing::ValuesIn(entriesWithForms()),
                         [](const ::testing::TestParamInfo<const CatalogueRow*>& info) {
                           std::string name = std::to_string(info.index) + "_";
                           for (char c : info.param->section)
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST(ExampleRules, UsesCrlfLineEnds) {
  const std::string bytes = readFile(QUILLAN_EXAMPLE_RULES);
  ASSERT_FALSE(bytes.empty());
  std::size_t lf = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n') continue;
    ++lf;
    EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
  }
  EXPECT_GT(lf, 1000u);
}

}  // namespace
}  // namespace quillan::editor::test
