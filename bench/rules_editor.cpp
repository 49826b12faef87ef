// ruleedit on a large rules file, driven in-process on whatever platform
// QT_QPA_PLATFORM names (the script sets offscreen): Open plus Save, every
// menu entry's form shown on its section, and OK on each form.
//
//   rules_editor EXAMPLE_RULES [MEGABYTES] [RUNS]     (defaults 1 and 15)
//
// The file is the example repeated with every section renamed (Name~2,
// Name~3, ...) until it reaches MEGABYTES, followed by the example itself:
// the sections the menus open come last, so a lookup that walks the file
// from the top pays for every copy before them. Each run opens the file in
// a fresh directory. Figures are medians over the runs, wall-clock and the
// process's CPU time (the difference is mostly the disk flushes of the
// synced writes, and other work on a loaded machine).
// Targets: Open plus Save under 50 ms, each form shown under 30 ms.
#include <time.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editor/Catalogue.h"
#include "editor/SectionForm.h"
#include "editor/TMainForm.h"
#include "editor/UserPrompts.h"

namespace {

using namespace quillan::editor;

// Answers nothing and reports every error: a benchmark must not block.
class SilentPrompts : public UserPrompts {
 public:
  std::optional<QString> chooseFileToOpen(QWidget*) override { return std::nullopt; }
  std::optional<QString> chooseFileToSave(QWidget*) override { return std::nullopt; }
  Answer confirm(QWidget*, const QString&) override { return Answer::No; }
  void showError(QWidget*, const QString& message, const QString& detail) override {
    std::fprintf(stderr, "error: %s (%s)\n", qPrintable(message), qPrintable(detail));
    std::exit(1);
  }
};

struct Clock {
  double wall;
  double cpu;
};

Clock now() {
  timespec cpu{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  const auto wall = std::chrono::steady_clock::now().time_since_epoch();
  return {std::chrono::duration<double, std::milli>(wall).count(), cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6};
}

Clock since(const Clock& start) {
  const Clock end = now();
  return {end.wall - start.wall, end.cpu - start.cpu};
}

struct Samples {
  std::vector<double> wall;
  std::vector<double> cpu;
  void add(const Clock& c) {
    wall.push_back(c.wall);
    cpu.push_back(c.cpu);
  }
};

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double maximum(const std::vector<double>& v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

void print(const char* what, const Samples& s) {
  std::printf("%-34s %9.2f %9.2f %9.2f\n", what, median(s.wall), median(s.cpu), maximum(s.wall));
}

std::string readAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The example with each section header renamed by `suffix`.
std::string renamedCopy(const std::string& example, const std::string& suffix) {
  std::string out;
  out.reserve(example.size() + 1024);
  std::size_t start = 0;
  while (start < example.size()) {
    std::size_t end = example.find('\n', start);
    end = end == std::string::npos ? example.size() : end + 1;
    const std::string_view line(example.data() + start, end - start);
    const std::size_t close = line.find(']');
    if (line.starts_with('[') && close != std::string_view::npos) {
      out.append(line.substr(0, close));
      out += suffix;
      out.append(line.substr(close));
    } else {
      out.append(line);
    }
    start = end;
  }
  return out;
}

std::string largeRules(const std::string& example, double megabytes) {
  const auto target = static_cast<std::size_t>(megabytes * 1000 * 1000);
  std::string out;
  for (int copy = 2; out.size() + example.size() < target; ++copy)
    out += renamedCopy(example, "~" + std::to_string(copy));
  return out + example;
}

// The offscreen platform warns at every raise() and size hint; the figures would
// drown in it.
void quietRaise(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (!message.startsWith("This plugin does not support")) std::fprintf(stderr, "%d: %s\n", type, qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: rules_editor EXAMPLE_RULES [MEGABYTES] [RUNS]\n");
    return 2;
  }
  const double megabytes = argc > 2 ? std::strtod(argv[2], nullptr) : 1.0;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
  QApplication app(argc, argv);
  qInstallMessageHandler(quietRaise);

  const std::string example = readAll(argv[1]);
  if (example.empty()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string rules = largeRules(example, megabytes);
  std::size_t sectionCount = 0;
  for (std::size_t at = 0; (at = rules.find("\n[", at)) != std::string::npos; ++at) ++sectionCount;
  std::size_t entryCount = 0;
  for (const CatalogueRow& row : catalogueEntries()) entryCount += row.opensForm() ? 1 : 0;
  std::printf("rules file: %zu bytes, %zu sections; %zu menu entries open a form; %d runs\n", rules.size(),
              sectionCount, entryCount, runs);

  Samples open, save, openSave, firstForm, form, ok;
  for (int run = 0; run < runs; ++run) {
    QTemporaryDir dir;
    const QString path = dir.filePath("rules.ini");
    {
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly)) return 1;
      file.write(rules.data(), static_cast<qint64>(rules.size()));
    }
    SilentPrompts prompts;
    TMainForm window(prompts, dir.path());
    window.show();
    QApplication::processEvents();

    const Clock start = now();
    if (!window.openFile(path)) return 1;
    const Clock opened = since(start);
    const Clock saveStart = now();
    window.SaveClick();
    const Clock saved = since(saveStart);
    open.add(opened);
    save.add(saved);
    openSave.add({opened.wall + saved.wall, opened.cpu + saved.cpu});

    bool first = true;
    for (const CatalogueRow& row : catalogueEntries()) {
      if (!row.opensForm()) continue;
      SectionForm& shown = window.form(row.form);
      const Clock showStart = now();
      window.chooseEntry(row);
      QApplication::processEvents();
      (first ? firstForm : form).add(since(showStart));
      first = false;
      const Clock okStart = now();
      shown.OKClick();
      QApplication::processEvents();
      ok.add(since(okStart));
    }
    window.SaveClick();  // nothing is asked at close
  }

  std::printf("%-34s %9s %9s %9s\n", "milliseconds", "median", "cpu", "max");
  print("Open (copy in, working copy)", open);
  print("Save (copy out)", save);
  print("Open plus Save", openSave);
  print("first form shown (parses the file)", firstForm);
  print("every other form shown", form);
  print("OK on a form (rewrites the section)", ok);
  return 0;
}
