// String lists against the tools that do the same job:
//   list_bench add WORDS      LIST ADD of every line of WORDS into a sorted
//                             list, one script line per item
//   list_bench files TEXT OUT LIST LOADFILE of TEXT, then SAVEFILE to OUT
// Each prints the seconds the script lines took, by the wall clock and in
// processor time (the script is built before the clocks start; on a busy
// machine the second is the fairer figure). bench/lists.sh makes the data
// and runs the rivals.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/locale/PosixLocale.h"
#include "platform/posix/PosixFileSystem.h"
#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/functions/FunctionLibrary.h"

namespace {

using namespace quillan;

struct Took {
  double wall;
  double processor;
};

Took runTimed(core::Runtime& rt, std::vector<std::string> lines) {
  rt.store = std::move(lines);
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  core::runLines(rt);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  const double processor = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  if (rt.error != 0) std::fprintf(stderr, "run-time error %d at line %d\n", rt.error, rt.line + 1);
  return {took.count(), processor};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (!((mode == "add" && argc == 3) || (mode == "files" && argc == 4))) {
    std::fputs("usage: list_bench add WORDS | list_bench files TEXT OUT\n", stderr);
    return 2;
  }
  posix::PosixFileSystem fs;
  locale::PosixLocale regional;
  core::Runtime rt(os::Platform{nullptr, &fs, nullptr, &regional});
  rt.commands = &commands::standardCommands();
  functions::installFunctions(rt, functions::standardFunctions());
  core::prepare(rt, "bench.exe", {});

  if (mode == "add") {
    std::ifstream in(argv[2]);
    std::vector<std::string> lines{"LIST 1,CREATE,SORTED"};
    for (std::string word; std::getline(in, word);) lines.push_back("LIST 1,ADD," + word);
    lines.push_back("%C = @count(1)");
    const std::size_t adds = lines.size() - 2;
    const Took t = runTimed(rt, std::move(lines));
    std::printf("%zu sorted adds (%s distinct items): %.3f s wall, %.3f s processor\n", adds, rt.vars[11].c_str(),
                t.wall, t.processor);
  } else {
    const Took t = runTimed(rt, {"LIST 1,CREATE", std::string("LIST 1,LOADFILE,") + argv[2],
                                 std::string("LIST 1,SAVEFILE,") + argv[3], "%C = @count(1)"});
    std::printf("LOADFILE and SAVEFILE of %s lines: %.3f s wall, %.3f s processor\n", rt.vars[11].c_str(), t.wall,
                t.processor);
  }
  return 0;
}
