// The dialog's list and combo boxes as lists of the LIST command, on the
// real widgets: the position is the visible selection.
#include <QComboBox>
#include <QListWidget>

#include "DialogWindowFixture.h"

namespace quillan::testing {
namespace {

struct ElementLists : DialogWindow {};

std::vector<std::string> rowsOf(const QListWidget& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.count(); ++i) rows.push_back(list.item(i)->text().toStdString());
  return rows;
}

std::vector<std::string> rowsOf(const QComboBox& combo) {
  std::vector<std::string> rows;
  for (int i = 0; i < combo.count(); ++i) rows.push_back(combo.itemText(i).toStdString());
  return rows;
}

TEST_F(ElementLists, ListBoxPositionIsTheSelection) {
  ASSERT_EQ(line("DIALOG CREATE,Lists,20,30,400,300,LIST(Names),LIST(Sorted;;;;;SORTED)"), 0);
  auto* names = widget<QListWidget>("Names");
  ASSERT_EQ(run({"LIST Names,ADD,pear", "LIST Names,ADD,apple", "LIST Names,ADD,fig"}), 0);
  EXPECT_EQ(rowsOf(*names), (std::vector<std::string>{"pear", "apple", "fig"}));
  EXPECT_EQ(value("@index(Names)"), "-1");

  ASSERT_EQ(line("LIST Names,SEEK,1"), 0);
  EXPECT_EQ(names->currentRow(), 1);
  EXPECT_TRUE(names->item(1)->isSelected());
  EXPECT_EQ(value("@dlgtext(Names)"), "apple");
  EXPECT_EQ(value("@next(Names)@next(Names)"), "applefig");
  EXPECT_EQ(names->selectedItems().size(), 0);  // past the last: nothing selected
  EXPECT_EQ(value("@index(Names)"), "-1");

  // A person's selection is the list's position too.
  names->setCurrentRow(0);
  EXPECT_EQ(value("@item(Names)"), "pear");
  ASSERT_EQ(line("LIST Names,PUT,plum"), 0);
  EXPECT_EQ(value("@dlgtext(Names)"), "plum");
  ASSERT_EQ(line("LIST Names,DELETE"), 0);
  EXPECT_EQ(rowsOf(*names), (std::vector<std::string>{"apple", "fig"}));
  EXPECT_EQ(value("@dlgtext(Names)"), "apple");

  ASSERT_EQ(run({"LIST Sorted,ASSIGN,Names", "LIST Sorted,ADD,banana"}), 0);
  EXPECT_EQ(rowsOf(*widget<QListWidget>("Sorted")), (std::vector<std::string>{"apple", "banana", "fig"}));
  ASSERT_EQ(line("LIST Names,CLEAR"), 0);
  EXPECT_EQ(names->count(), 0);
  EXPECT_EQ(value("@index(Names)"), "-1");
}

TEST_F(ElementLists, ItemsKeepTheScriptsBytes) {
  ASSERT_EQ(line("DIALOG CREATE,Lists,20,30,400,300,LIST(Names),COMBO(Pick)"), 0);
  ASSERT_EQ(run({"LIST Names,ADD,caf\xe9", "LIST Pick,ASSIGN,Names", "LIST 1,CREATE", "LIST 1,ASSIGN,Pick"}), 0);
  EXPECT_EQ(value("@item(1)"), "caf\xe9");
}

TEST_F(ElementLists, ComboBoxAddsWithoutChangingItsField) {
  ASSERT_EQ(line("DIALOG CREATE,Lists,20,30,400,300,COMBO(Pick;;;;;typed),COMBO(Ordered;;;;;;SORTED)"), 0);
  auto* pick = widget<QComboBox>("Pick");
  ASSERT_EQ(run({"LIST Pick,ADD,one", "LIST Pick,ADD,two"}), 0);
  EXPECT_EQ(rowsOf(*pick), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(value("@dlgtext(Pick)"), "typed");
  EXPECT_EQ(value("@index(Pick)"), "-1");
  ASSERT_EQ(line("LIST Pick,SEEK,1"), 0);
  EXPECT_EQ(value("@dlgtext(Pick)"), "two");
  ASSERT_EQ(line("LIST Pick,INSERT,zero"), 0);
  EXPECT_EQ(rowsOf(*pick), (std::vector<std::string>{"one", "zero", "two"}));

  auto* ordered = widget<QComboBox>("Ordered");
  ASSERT_EQ(run({"LIST Ordered,ADD,pear", "LIST Ordered,ADD,Apple", "LIST Ordered,INSERT,fig"}), 0);
  EXPECT_EQ(rowsOf(*ordered), (std::vector<std::string>{"Apple", "fig", "pear"}));
}

TEST_F(ElementLists, OtherElementsAreNoLists) {
  ASSERT_EQ(line("DIALOG CREATE,Lists,20,30,400,300,EDIT(Name),LIST(Names)"), 0);
  EXPECT_EQ(line("LIST Name,ADD,x"), core::kBadList);
  EXPECT_EQ(line("LIST Names,CREATE"), core::kBadList);
  EXPECT_EQ(line("LIST Names,CLOSE"), 0);
  closeDialog();
  EXPECT_EQ(line("LIST Names,ADD,x"), core::kBadList);
}

}  // namespace
}  // namespace quillan::testing
