// Integer arithmetic. Each function parses its arguments left to right and
// stops at the first that is no number, so the success flag is the outcome
// of the last parse made and an argument behind a bad one stays unread in
// the line. Results wrap around in 32 bits. These run once per loop turn
// in most scripts, so they stay free of allocations beyond the result.
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

// Wrap-around in 32 bits without signed overflow.
std::int32_t wrap(std::uint32_t value) { return static_cast<std::int32_t>(value); }
std::uint32_t bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

template <std::int32_t (*op)(std::int32_t, std::int32_t)>
void binary(Runtime& rt, std::string& result) {
  std::int32_t a = 0;
  std::int32_t b = 0;
  if (!integerArgument(rt, a) || !integerArgument(rt, b)) return;
  writeInteger(result, op(a, b));
}

std::int32_t add(std::int32_t a, std::int32_t b) { return wrap(bits(a) + bits(b)); }
std::int32_t subtract(std::int32_t a, std::int32_t b) { return wrap(bits(a) - bits(b)); }
std::int32_t multiply(std::int32_t a, std::int32_t b) { return wrap(bits(a) * bits(b)); }

void div(Runtime& rt, std::string& result) {
  std::int32_t a = 0;
  std::int32_t b = 0;
  if (!integerArgument(rt, a) || !integerArgument(rt, b)) return;
  if (b == 0) {
    rt.success = false;
    return;
  }
  // The one quotient that does not fit wraps like the others instead of
  // trapping: -2147483648 / -1 is -2147483648.
  writeInteger(result, b == -1 ? wrap(0u - bits(a)) : a / b);
}

void succ(Runtime& rt, std::string& result) {
  std::int32_t a = 0;
  if (integerArgument(rt, a)) writeInteger(result, wrap(bits(a) + 1u));
}

void pred(Runtime& rt, std::string& result) {
  std::int32_t a = 0;
  if (integerArgument(rt, a)) writeInteger(result, wrap(bits(a) - 1u));
}

constexpr FunctionRow kRows[] = {{Function::Sum, &binary<add>},
                                 {Function::Diff, &binary<subtract>},
                                 {Function::Prod, &binary<multiply>},
                                 {Function::Div, &div},
                                 {Function::Succ, &succ},
                                 {Function::Pred, &pred}};

}  // namespace

const std::span<const FunctionRow> kArithmeticFunctions = kRows;

}  // namespace quillan::functions
