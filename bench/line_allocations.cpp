// Heap allocations per executed line in the steady state: every global
// operator new is counted, each loop script is run to two pass counts, and
// the difference of the allocations is divided by the difference of the
// lines, so what a run costs once (the store, the first decode of each
// line, buffers growing to their working size) cancels out. Target: zero.
//
//   line_allocations [N1 N2]     (default 10000 20000 passes)
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Interpreter.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/Functions.h"

namespace {

std::atomic<std::uint64_t> allocations{0};

void* allocate(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace quillan;

// The window system's turn comes once at the top of every line, so its
// count is the number of lines run.
class LineCounter final : public os::UserInterface {
 public:
  os::BoxAnswer messageBox(std::string_view, std::string_view text, os::BoxIcon, os::BoxButtons) override {
    std::fprintf(stderr, "box: %.*s\n", static_cast<int>(text.size()), text.data());
    return os::BoxAnswer::Ok;
  }
  void processMessages() override {}
  void processMessagesIfDue() override { ++lines; }
  std::string applicationTitle() const override { return "bench"; }
  void setApplicationTitle(std::string_view) override {}
  void setApplicationIconFrom(std::string_view) override {}
  std::uint64_t lines = 0;
};

struct Counts {
  std::uint64_t allocations = 0;
  std::uint64_t lines = 0;
};

Counts run(const std::vector<std::string>& script) {
  LineCounter ui;
  core::Runtime rt(os::Platform{&ui});
  rt.commands = &commands::standardCommands();
  functions::installFunctions(rt, functions::standardFunctions());
  rt.quickLinesPerMessageRound = 1;  // a round before every line: the count of lines
  rt.store = script;
  const std::uint64_t before = allocations.load();
  core::runLines(rt);
  const std::uint64_t made = allocations.load() - before;
  if (rt.error != 0) std::fprintf(stderr, "error %d at line %d\n", rt.error, rt.line);
  if (std::getenv("BENCH_SHOW") != nullptr)
    for (std::size_t i = 9; i < rt.vars.size(); ++i)
      if (!rt.vars[i].empty()) std::fprintf(stderr, "%%%c = %s\n", static_cast<char>('A' + i - 9), rt.vars[i].c_str());
  return {made, ui.lines};
}

std::vector<std::string> countingLoop(long passes) {
  return {"%I = 0", "REPEAT", "%I = @succ(%I)", "UNTIL @equal(%I," + std::to_string(passes) + ")"};
}

// Values longer than any short-string buffer, so a copy made per call shows.
std::vector<std::string> stringLoop(long passes) {
  return {"%S = The quick brown fox jumps over the lazy dog again and again",
          "%I = 0",
          "REPEAT",
          "%I = @succ(%I)",
          "%U = @upper(@substr(%S,5,60))",
          "%L = @len(%U)",
          "%P = @pos(LAZY,%U)",
          "IF @greater(%L,40)",
          "%T = \"quoted, text\" and %S",
          "END",
          "UNTIL @equal(%I," + std::to_string(passes) + ")"};
}

}  // namespace

int main(int argc, char** argv) {
  const long n1 = argc > 2 ? std::atol(argv[1]) : 10000;
  const long n2 = argc > 2 ? std::atol(argv[2]) : 20000;
  std::printf("%-16s %14s %14s %16s\n", "loop", "lines", "allocations", "allocs/line");
  for (const auto& [name, make] : {std::pair{"counting", &countingLoop}, std::pair{"strings", &stringLoop}}) {
    const Counts a = run(make(n1));
    const Counts b = run(make(n2));
    const double perLine = static_cast<double>(b.allocations - a.allocations) / static_cast<double>(b.lines - a.lines);
    std::printf("%-16s %14llu %14llu %16.3f\n", name, static_cast<unsigned long long>(b.lines),
                static_cast<unsigned long long>(b.allocations), perLine);
  }
  return 0;
}
