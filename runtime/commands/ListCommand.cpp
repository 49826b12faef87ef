// LIST: creating, filling, saving and editing string lists. The list is an
// internal slot or a list or combo box of the dialog; both are reached
// through core::ScriptList, so every operation but CREATE and CLOSE works
// the same on either.
#include "runtime/commands/ListCommands.h"
#include "runtime/commands/ListText.h"
#include "runtime/core/FieldReader.h"
#include "runtime/core/Variables.h"
#include "runtime/functions/DirectorySearch.h"
#include "runtime/functions/ListArgument.h"
#include "runtime/functions/NumberText.h"
#include "runtime/functions/RegistryRoots.h"

namespace quillan::commands {

using core::Runtime;
using core::ScriptList;
using Op = ListOperation;

namespace {

// clang-format off
constexpr core::KeywordRow<Op> kOperationRows[] = {
    {1, Op::Create},    {7, Op::Close},    {10, Op::Seek},    {14, Op::Assign}, {20, Op::LoadFile},
    {24, Op::FileList}, {32, Op::DropFile}, {40, Op::SaveFile}, {48, Op::Put},  {51, Op::Add},
    {53, Op::Delete},   {59, Op::Clear},   {63, Op::RegKeys}, {70, Op::RegVals}, {77, Op::Insert},
    {83, Op::Copy},     {87, Op::Paste}};
// clang-format on

}  // namespace

const core::KeywordTable<ListOperation> kListOperations{
    "CREATECLOSEEKASSIGNLOADFILELISTDROPFILESAVEFILEPUTADDELETECLEAREGKEYSREGVALSINSERTCOPYPASTE", kOperationRows};

namespace {

// What one operation works on: the list (null only for CREATE on an empty
// slot) and the internal slot it stands in (-1 for a dialog list).
struct Target {
  Runtime& rt;
  ScriptList* list;
  int slot;
};

void create(Target& t) {
  std::string kind = core::nextField(t.rt);
  if (t.rt.error != 0) return;
  // A dialog's lists are made by DIALOG CREATE, and a slot holds one list.
  if (t.slot < 0 || t.list != nullptr) {
    t.rt.fail(core::kBadList);
    return;
  }
  core::upperAsciiInPlace(kind);
  t.rt.lists[static_cast<std::size_t>(t.slot)] = std::make_unique<core::InternalList>(kind == "SORTED", t.rt.os.locale);
}

// A dialog list lives as long as its element: CLOSE leaves it as it is.
void close(Target& t) {
  if (t.slot >= 0) t.rt.lists[static_cast<std::size_t>(t.slot)].reset();
}

void seek(Target& t) {
  const std::int32_t index = functions::integerRule(core::nextField(t.rt));
  if (t.rt.error != 0) return;
  if (index < 0 || index >= t.list->count()) {
    t.rt.fail(core::kNoCurrentItem);
    return;
  }
  t.list->setPosition(index);
}

void assign(Target& t) {
  ScriptList* source = functions::listArgument(t.rt, core::nextField(t.rt));
  if (t.rt.error != 0) return;
  // A list assigned to itself keeps its items: clearing the target first
  // would empty the source with it.
  if (source != t.list) {
    t.list->clear();
    const std::int32_t count = source->count();
    for (std::int32_t i = 0; i < count; ++i) t.list->add(source->item(i));
    if (count == 0) source->setPosition(0);
  }
  t.list->setPosition(0);
}

void replaceItems(ScriptList& list, const std::vector<std::string_view>& items) {
  list.clear();
  for (const std::string_view item : items) list.add(item);
}

void loadFile(Target& t) {
  const std::string name = core::requiredField(t.rt);
  if (t.rt.error != 0) return;
  std::string text;
  if (t.rt.os.fs == nullptr || t.rt.os.fs->readFile(core::lookUpFile(t.rt, name), text) != 0) {
    t.rt.success = false;
    return;
  }
  replaceItems(*t.list, fileLines(text));
  t.list->setPosition(0);
}

// The entries are added in the order the directory is read, after what
// the list holds; see functions::listEntries for which and how written.
void fileList(Target& t) {
  const std::string path = core::requiredField(t.rt);
  const std::string letters = core::nextField(t.rt);
  if (t.rt.error != 0) return;
  if (t.rt.os.files != nullptr) {
    functions::listEntries(*t.rt.os.files, path, functions::parseEntrySelection(letters), t.rt.settings.fieldSep,
                           [&](std::string item) { t.list->add(item); });
  }
  t.list->setPosition(0);
}

// There are no short (8.3) names here, so OPTION FILENAME leaves the
// dropped names as they are; they are never cut either.
void dropFile(Target& t) {
  for (const std::string& file : t.rt.droppedFiles) t.list->add(file);
  t.rt.droppedFiles.clear();
  t.list->setPosition(0);
}

void saveFile(Target& t) {
  const std::string name = core::requiredField(t.rt);
  if (t.rt.error != 0) return;
  if (t.rt.os.fs == nullptr || t.rt.os.fs->writeFileAtomically(name, savedText(*t.list)) != 0) t.rt.success = false;
  t.list->setPosition(0);
}

void put(Target& t) {
  const std::string text = core::nextField(t.rt);
  if (t.rt.error != 0) return;
  if (t.list->hasCurrent()) {
    t.list->replace(t.list->position(), text);
  } else {
    t.list->add(text);
  }
}

void add(Target& t) {
  const std::string text = core::nextField(t.rt);
  if (t.rt.error == 0) t.list->add(text);
}

void remove(Target& t) {
  ScriptList& list = *t.list;
  if (!list.hasCurrent()) {
    t.rt.fail(core::kNoCurrentItem);
    return;
  }
  std::int32_t position = list.position();
  list.remove(position);
  if (position == list.count()) --position;
  if (position >= 0) list.setPosition(position);
}

void clear(Target& t) { t.list->clear(); }

// The names of a key's sub keys or values, added in the store's order. A
// key that cannot be opened (an unknown root included) adds nothing.
void registryNames(Target& t, bool values) {
  const std::string root = core::requiredField(t.rt);
  const std::string key = core::requiredField(t.rt);
  if (t.rt.error != 0) return;
  functions::RegistryPlace place;
  functions::OpenedKey opened(t.rt.os.registry);
  if (!functions::registryPlaceFor(root, key, place) || !opened.open(place)) return;
  reg::Registry& registry = *t.rt.os.registry;
  std::string name;
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t size = 0;
    const reg::Status status = values ? registry.enumValue(opened.handle(), index, name, nullptr, nullptr, &size)
                                      : registry.enumKey(opened.handle(), index, name);
    if (status != reg::Success) break;
    t.list->add(name);
  }
}

void regKeys(Target& t) { registryNames(t, false); }
void regVals(Target& t) { registryNames(t, true); }

// Before the current item; a position below 0 inserts at the front, one
// past the end appends.
void insert(Target& t) {
  const std::string text = core::nextField(t.rt);
  if (t.rt.error != 0) return;
  const std::int32_t count = t.list->count();
  const std::int32_t position = t.list->position();
  t.list->insert(position < 0 ? 0 : position > count ? count : position, text);
}

void copy(Target& t) {
  os::Clipboard* clipboard = t.rt.os.clipboard;
  if (clipboard == nullptr) return;
  if (t.list->count() == 0) {
    clipboard->clear();
  } else {
    clipboard->setText(copiedText(*t.list));
  }
}

void paste(Target& t) {
  if (t.rt.os.clipboard == nullptr) return;
  const std::string text = t.rt.os.clipboard->text();
  replaceItems(*t.list, pastedItems(text));
}

using OperationHandler = void (*)(Target&);

struct OperationRow {
  Op operation;
  OperationHandler handler;
};

// In the order of ListOperation.
constexpr OperationRow kOperations[] = {{Op::Create, &create},     {Op::Close, &close},       {Op::Seek, &seek},
                                        {Op::Assign, &assign},     {Op::LoadFile, &loadFile}, {Op::FileList, &fileList},
                                        {Op::DropFile, &dropFile}, {Op::SaveFile, &saveFile}, {Op::Put, &put},
                                        {Op::Add, &add},           {Op::Delete, &remove},     {Op::Clear, &clear},
                                        {Op::RegKeys, &regKeys},   {Op::RegVals, &regVals},   {Op::Insert, &insert},
                                        {Op::Copy, &copy},         {Op::Paste, &paste}};

constexpr bool operationsInEnumOrder() {
  for (std::size_t i = 0; i < std::size(kOperations); ++i)
    if (static_cast<std::size_t>(kOperations[i].operation) != i) return false;
  return std::size(kOperations) == static_cast<std::size_t>(Op::Paste) + 1;
}
static_assert(operationsInEnumOrder(), "one handler per LIST operation, in the order of the enum");

void list(Runtime& rt) {
  const std::string listText = core::requiredField(rt);
  const functions::ListDesignation designated = functions::designateList(rt, listText);
  // Error 4 replaces the error 2 of an empty list argument.
  if (designated.list == nullptr && designated.slot < 0) rt.fail(core::kBadList);
  std::string word = core::requiredField(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(word);
  const auto* row = kListOperations.find(word);
  if (row == nullptr || (designated.list == nullptr && row->entry != Op::Create)) {
    rt.fail(core::kBadList);
    return;
  }
  Target target{rt, designated.list, designated.slot};
  kOperations[static_cast<std::size_t>(row->entry)].handler(target);
}

constexpr core::CommandRow kRows[] = {{core::Command::List, &list}};

}  // namespace

const std::span<const core::CommandRow> kListCommands = kRows;

}  // namespace quillan::commands
