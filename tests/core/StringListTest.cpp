#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "runtime/core/InternalList.h"
#include "runtime/core/StringList.h"

namespace quillan::core {
namespace {

std::vector<std::string> itemsOf(const StringList& list) {
  std::vector<std::string> items;
  for (std::size_t i = 0; i < list.size(); ++i) items.push_back(list.at(i));
  return items;
}

// Thousands of inserts and removals at random places, across many block
// splits and emptied blocks, against a plain vector doing the same.
TEST(StringList, KeepsOrderAcrossBlocks) {
  std::mt19937 random(5);
  StringList list;
  std::vector<std::string> model;
  for (int step = 0; step < 20000; ++step) {
    const bool removing = !model.empty() && random() % 3 == 0;
    if (removing) {
      const std::size_t at = random() % model.size();
      list.erase(at);
      model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
    } else {
      const std::size_t at = random() % (model.size() + 1);
      const std::string text = std::to_string(step);
      list.insert(at, text);
      model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), text);
    }
    ASSERT_EQ(list.size(), model.size());
    // Spot checks at random places, so that the remembered block is
    // sometimes ahead of the index asked for.
    if (!model.empty()) {
      const std::size_t probe = random() % model.size();
      ASSERT_EQ(list.at(probe), model[probe]) << "step " << step;
    }
  }
  EXPECT_EQ(itemsOf(list), model);
  list.clear();
  EXPECT_TRUE(list.empty());
  list.insert(0, "again");
  EXPECT_EQ(itemsOf(list), std::vector<std::string>{"again"});
}

// Sorted inserts in an order that fills blocks from both ends and the
// middle, with every key offered twice.
TEST(StringList, InsertSortedKeepsKeyOrderAndRefusesEqualKeys) {
  StringList list;
  std::vector<std::string> keys;
  for (int i = 0; i < 3000; ++i) keys.push_back(std::to_string(100000 + i));
  std::vector<std::string> offered = keys;
  std::shuffle(offered.begin(), offered.end(), std::mt19937(9));
  for (const std::string& key : offered) EXPECT_TRUE(list.insertSorted("t" + key, key));
  for (const std::string& key : offered) EXPECT_FALSE(list.insertSorted("again", key));
  ASSERT_EQ(list.size(), keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    ASSERT_EQ(list.keyAt(i), keys[i]);
    ASSERT_EQ(list.at(i), "t" + keys[i]);
  }
  EXPECT_TRUE(list.insertSorted("first", "0"));
  EXPECT_TRUE(list.insertSorted("last", "9"));
  EXPECT_EQ(list.at(0), "first");
  EXPECT_EQ(list.at(list.size() - 1), "last");
}

// A locale whose order is the reverse of the bytes, so a test can tell
// whether the list asks it.
struct ReversedLocale : os::Locale {
  os::LocaleSettings values;
  const os::LocaleSettings& settings() const override { return values; }
  std::string sortKey(std::string_view text) const override {
    std::string key = asciiSortKey(text);
    for (char& c : key) c = static_cast<char>(255 - static_cast<unsigned char>(c));
    return key;
  }
};

TEST(InternalList, SortedListsUseTheLocalesKeys) {
  ReversedLocale reversed;
  InternalList list(true, &reversed);
  for (const char* text : {"b", "C", "a", "B", "c"}) list.add(text);
  EXPECT_EQ(itemsOf(list.items()), (std::vector<std::string>{"C", "b", "a"}));
  InternalList plain(true, nullptr);
  for (const char* text : {"b", "C", "a", "B", "c"}) plain.add(text);
  EXPECT_EQ(itemsOf(plain.items()), (std::vector<std::string>{"a", "b", "C"}));
}

TEST(InternalList, SortedInsertAndReplaceKeepTheOrder) {
  InternalList list(true, nullptr);
  for (const char* text : {"d", "b"}) list.add(text);
  list.insert(0, "e");
  list.replace(0, "a");  // b goes, a comes
  list.replace(0, "d");  // a duplicate of d: a goes and nothing comes
  EXPECT_EQ(itemsOf(list.items()), (std::vector<std::string>{"d", "e"}));
}

}  // namespace
}  // namespace quillan::core
