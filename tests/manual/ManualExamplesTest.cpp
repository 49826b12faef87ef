// Every runnable example of the manual is compiled with the real quillanc
// and run unattended by the real scriptrun; its standard output and exit
// status must be the transcript shown under it. A failure names the page
// and the line of the example, so a writer's editor can jump to it.
//
// QUILLAN_MANUAL_PAGES, when set, names the pages to run (blank-separated,
// paths or names inside the manual's folder); by default all of them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "LineDiff.h"
#include "ManualPage.h"
#include "ProcessRunner.h"

namespace quillan::manual {
namespace {

namespace fs = std::filesystem;
using quillan::testing::makeTempDir;
using quillan::testing::readFileBytes;
using quillan::testing::runProgram;
using quillan::testing::writeFileBytes;

std::vector<fs::path> selectedPages() {
  std::vector<fs::path> pages;
  const char* chosen = std::getenv("QUILLAN_MANUAL_PAGES");
  if (chosen != nullptr && *chosen != '\0') {
    std::istringstream names(chosen);
    for (std::string name; names >> name;) {
      fs::path page = name;
      if (!fs::exists(page)) page = fs::path(MANUAL_DIR) / name;
      if (!fs::exists(page) && page.extension() != ".md") page += ".md";
      pages.push_back(page);
    }
    return pages;
  }
  for (const auto& entry : fs::directory_iterator(MANUAL_DIR))
    if (entry.path().extension() == ".md") pages.push_back(entry.path());
  std::sort(pages.begin(), pages.end());
  return pages;
}

// When this quillanc has the checker, an example that runs without an
// error must also pass it without a warning. An example that shows an
// error (a label that is not there, an IF without END) is one the checker
// is right to warn about.
bool compilerChecks() {
  static const bool checks = [] {
    const auto help = runProgram(QUILLANC_PATH, {"--help"});
    return (help.out + help.err).find("--check") != std::string::npos;
  }();
  return checks;
}

std::string runExample(const Example& example) {
  const fs::path root = makeTempDir();
  const fs::path source = root / "example.qs";
  const fs::path exe = root / "example.exe";
  const fs::path work = root / "run";
  const fs::path home = work / ".home";
  const fs::path runtimeDir = root / "xdg-runtime";
  fs::create_directories(home / ".config");
  fs::create_directories(home / ".local/share");
  fs::create_directory(runtimeDir);
  ::chmod(runtimeDir.c_str(), 0700);
  writeFileBytes(source, example.script);

  std::string failure;
  if (example.exitStatus == 0 && compilerChecks()) {
    const auto checked = runProgram(QUILLANC_PATH, {"--check", source.string()});
    if (checked.status != 0 || checked.err.find("warning") != std::string::npos)
      failure += "quillanc --check warns (script line 1 is the line after the fence):\n" + checked.err + checked.out;
  }
  const auto compiled = runProgram(QUILLANC_PATH, {source.string(), "-o", exe.string()});
  if (compiled.status != 0) {
    fs::remove_all(root);
    return failure + "quillanc failed (script line 1 is the line after the fence):\n" + compiled.err;
  }

  std::string mode = "--unattended";
  if (example.hasAnswers) {
    writeFileBytes(root / "answers", example.answers);
    mode += "=" + (root / "answers").string();
  }
  const auto run = runProgram(SCRIPTRUN_PATH, {mode, exe.string()},
                              {{"HOME", home.string()},
                               {"XDG_CONFIG_HOME", (home / ".config").string()},
                               {"XDG_DATA_HOME", (home / ".local/share").string()},
                               {"XDG_RUNTIME_DIR", runtimeDir.string()},
                               {"QUILLAN_REGISTRY", (home / "registry.db").string()},
                               {"QT_QPA_PLATFORM", "offscreen"},
                               {"LC_ALL", "C.UTF-8"}},
                              work.string());
  if (run.out != example.transcript)
    failure +=
        "standard output differs from the transcript (-shown +actual):\n" + lineDiff(example.transcript, run.out);
  if (run.status != example.exitStatus)
    failure += "exit status " + std::to_string(run.status) + ", the transcript shows " +
               std::to_string(example.exitStatus) + "\n";
  if (!failure.empty() && !run.err.empty()) failure += "standard error:\n" + run.err;
  fs::remove_all(root);
  return failure;
}

struct Job {
  fs::path page;
  const Example* example;
  std::string failure;
};

// Each example waits mostly for a program to start, so they run a few at
// a time; failures are reported afterwards in page order.
void runAll(std::vector<Job>& jobs) {
  const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::atomic<std::size_t> next{0};
  std::vector<std::thread> threads;
  for (unsigned i = 0; i < workers; ++i)
    threads.emplace_back([&] {
      for (std::size_t j; (j = next++) < jobs.size();) jobs[j].failure = runExample(*jobs[j].example);
    });
  for (std::thread& thread : threads) thread.join();
}

TEST(ManualExamples, RunAndMatchTheirTranscripts) {
  const std::vector<fs::path> pages = selectedPages();
  ASSERT_FALSE(pages.empty()) << "no pages in " << MANUAL_DIR;
  std::vector<Page> parsed;
  for (const fs::path& page : pages) {
    ASSERT_TRUE(fs::is_regular_file(page)) << page << " is not a manual page";
    parsed.push_back(parsePage(readFileBytes(page)));
  }
  std::vector<Job> jobs;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    for (const LayoutError& error : parsed[i].errors) ADD_FAILURE_AT(pages[i].c_str(), error.line) << error.message;
    for (const Example& example : parsed[i].examples) jobs.push_back({pages[i], &example, {}});
  }
  runAll(jobs);
  for (const Job& job : jobs)
    if (!job.failure.empty()) ADD_FAILURE_AT(job.page.c_str(), job.example->line) << "example fails:\n" << job.failure;
  std::cout << "ran " << jobs.size() << " examples from " << pages.size() << " pages\n";
}

}  // namespace
}  // namespace quillan::manual
