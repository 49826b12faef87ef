// Time to run one long line: an assignment whose value is made of many "%B"
// references, and one made of many "@len(x)" calls. Expansion should grow
// linearly with the line's length.
//
//   long_line [MEGABYTES]     (default 10)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/core/Variables.h"
#include "runtime/functions/FunctionLibrary.h"

namespace {

using namespace quillan;

// Runs "%A = " followed by `count` copies of `piece`; returns the seconds
// taken and checks that %A came out `count` times `expected` long.
double run(const std::string& piece, std::size_t count, std::size_t expected) {
  core::Runtime rt(os::Platform{nullptr, nullptr, nullptr});
  rt.commands = &commands::standardCommands();
  functions::installFunctions(rt, functions::standardFunctions());
  core::prepare(rt, "bench.exe", {});
  rt.vars[10] = "b";  // %B
  std::string line = "%A = ";
  line.reserve(line.size() + piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) line += piece;
  rt.store.assign(1, std::move(line));
  const auto start = std::chrono::steady_clock::now();
  core::runLines(rt);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (rt.error != 0) std::fprintf(stderr, "error %d\n", rt.error);
  if (rt.vars[9].size() != count * expected)
    std::fprintf(stderr, "wrong result: %zu bytes, not %zu\n", rt.vars[9].size(), count * expected);
  return took.count();
}

}  // namespace

int main(int argc, char** argv) {
  const double megabytes = argc > 1 ? std::strtod(argv[1], nullptr) : 10.0;
  const auto bytes = static_cast<std::size_t>(megabytes * 1000 * 1000);
  std::printf("%-10s %12s %12s %10s\n", "line of", "references", "bytes", "seconds");
  const std::pair<const char*, std::size_t> pieces[] = {{"%B", 1}, {"@len(x)", 1}};
  for (const auto& [piece, expected] : pieces) {
    const std::string text(piece);
    const std::size_t count = bytes / text.size();
    const double seconds = run(text, count, expected);
    std::printf("%-10s %12zu %12zu %10.3f\n", piece, count, count * text.size(), seconds);
  }
  return 0;
}
