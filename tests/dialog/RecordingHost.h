// A dialog host for the interpreter's side of the dialog commands: records
// what DIALOG CREATE builds, keeps element values in a map, and runs WAIT
// on a clock of its own that only moves when WAIT pauses.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "runtime/core/DialogHost.h"
#include "tests/support/VectorList.h"

namespace quillan::testing {

class RecordingHost final : public core::DialogHost {
 public:
  struct Element {
    core::ElementSpec spec;
    std::string value;
    bool hidden = false, disabled = false, focused = false;
  };

  // What was built and done, in order.
  std::vector<core::DialogFrame> frames;
  std::vector<core::ElementSpec> created;
  std::vector<core::DialogStyle> dialogStyles;
  std::vector<std::vector<std::string>> popups;
  std::map<std::string, Element> elements;  // by upper-case name
  std::map<std::string, VectorList> lists;  // LIST and COMBO elements, by upper-case name
  std::vector<std::string> titles;
  std::vector<bool> cursors;
  int shows = 0, abandons = 0, closes = 0, popupShows = 0, stuckReports = 0;
  bool shown = false;
  int line = 18;

  // The file and folder choosers: what they were asked (filter, title;
  // a folder's filter is empty) and the path the next one chooses, none
  // when empty.
  std::vector<std::pair<std::string, std::string>> chooserRequests;
  std::string chosenPath;

  // What answers: a name to refuse (error 21), an icon that does not load.
  std::string refuseName;
  bool iconFails = false;

  // WAIT's clock and what happens in each idle round.
  std::int64_t now = 0;
  std::vector<int> pauses;
  std::function<core::IdleOutcome()> onIdle = [] { return core::IdleOutcome::Waiting; };
  int idleRounds = 0;

  bool exists() const override { return shown; }
  int lineHeight() const override { return line; }
  bool beginDialog(const core::DialogFrame& frame) override {
    frames.push_back(frame);
    elements.clear();
    lists.clear();
    return true;
  }
  core::CreateResult addElement(const core::ElementSpec& spec) override {
    if (!refuseName.empty() && spec.name == refuseName) return core::CreateResult::Refused;
    if (iconFails && spec.kind == core::ElementKind::TaskIcon) return core::CreateResult::IconNotLoaded;
    created.push_back(spec);
    if (!spec.name.empty()) elements[key(spec.name)] = Element{spec, spec.text};
    if (!spec.name.empty() && (spec.kind == core::ElementKind::List || spec.kind == core::ElementKind::Combo))
      lists[key(spec.name)] = VectorList{};
    return core::CreateResult::Created;
  }
  void addDialogStyle(core::DialogStyle style) override { dialogStyles.push_back(style); }
  void setPopupMenu(const std::vector<std::string>& captions) override { popups.push_back(captions); }
  void showDialog() override {
    ++shows;
    shown = true;
  }
  void abandonDialog() override { ++abandons; }
  void close() override {
    ++closes;
    shown = false;
  }
  bool setElement(std::string_view name, std::string_view value) override {
    Element* e = find(name);
    if (e == nullptr) return false;
    e->value = value;
    return true;
  }
  core::ElementResult readElement(std::string_view name, std::string& value) override {
    Element* e = find(name);
    if (e == nullptr) return core::ElementResult::NoElement;
    if (e->spec.kind == core::ElementKind::Button) return core::ElementResult::Unsupported;
    value = e->value;
    return core::ElementResult::Done;
  }
  core::ElementResult clearElement(std::string_view name, bool) override {
    Element* e = find(name);
    if (e == nullptr) return core::ElementResult::NoElement;
    if (e->spec.kind == core::ElementKind::Button) return core::ElementResult::Unsupported;
    e->value.clear();
    return core::ElementResult::Done;
  }
  bool actOnElement(std::string_view name, core::ElementAction action) override {
    Element* e = find(name);
    if (e == nullptr) return false;
    if (action == core::ElementAction::Hide) e->hidden = true;
    if (action == core::ElementAction::Show) e->hidden = false;
    if (action == core::ElementAction::Disable) e->disabled = true;
    if (action == core::ElementAction::Enable) e->disabled = false;
    if (action == core::ElementAction::Focus) e->focused = true;
    return true;
  }
  void setTitle(std::string_view title) override { titles.emplace_back(title); }
  void popupMenu() override { ++popupShows; }
  bool chooseFile(std::string_view filter, std::string_view title, std::string& path) override {
    chooserRequests.emplace_back(filter, title);
    path = chosenPath;
    return !chosenPath.empty();
  }
  bool chooseDirectory(std::string_view title, std::string& path) override {
    chooserRequests.emplace_back("", title);
    path = chosenPath;
    return !chosenPath.empty();
  }
  core::ScriptList* listElement(std::string_view name) override {
    const auto it = lists.find(key(name));
    return shown && it != lists.end() ? &it->second : nullptr;
  }
  void setWaitCursor(bool wait) override { cursors.push_back(wait); }
  void restoreCursor() override { cursors.push_back(false); }
  std::int64_t tickCount() override { return now; }
  void pause(int milliseconds) override {
    pauses.push_back(milliseconds);
    now += milliseconds;
  }
  core::IdleOutcome idle() override {
    ++idleRounds;
    return onIdle();
  }
  void reportStuck() override { ++stuckReports; }

  Element* find(std::string_view name) {
    const auto it = elements.find(key(name));
    return it == elements.end() ? nullptr : &it->second;
  }

 private:
  static std::string key(std::string_view name) {
    std::string k(name);
    for (char& c : k)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return k;
  }
};

}  // namespace quillan::testing
