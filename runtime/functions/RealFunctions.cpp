// Floating-point arithmetic. Values are doubles; the arithmetic runs in
// long double and the result must fit a double again, so a product that
// only the wider type could hold counts as an overflow. A division by zero,
// an invalid operation or an overflow clears the success flag and gives the
// empty text; nothing ever traps.
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

void finish(Runtime& rt, std::string& result, long double value) {
  const auto narrow = static_cast<double>(value);
  if (!std::isfinite(value) || !std::isfinite(narrow)) {
    rt.success = false;
    return;
  }
  // Below the normal range of a double the wider value would print digits
  // that the next function reading the text no longer sees.
  const long double shown = std::fabs(narrow) < DBL_MIN ? static_cast<long double>(narrow) : value;
  writeGeneral(result, shown, localeSettings(rt).decimalSeparator);
}

template <long double (*op)(long double, long double)>
void binary(Runtime& rt, std::string& result) {
  double a = 0;
  double b = 0;
  if (!realArgument(rt, a) || !realArgument(rt, b)) return;
  finish(rt, result, op(a, b));
}

long double add(long double a, long double b) { return a + b; }
long double subtract(long double a, long double b) { return a - b; }
long double multiply(long double a, long double b) { return a * b; }

void fdiv(Runtime& rt, std::string& result) {
  double a = 0;
  double b = 0;
  if (!realArgument(rt, a) || !realArgument(rt, b)) return;
  if (b == 0) {
    rt.success = false;
    return;
  }
  finish(rt, result, static_cast<long double>(a) / b);
}

void fln(Runtime& rt, std::string& result) {
  double a = 0;
  if (!realArgument(rt, a)) return;
  if (a <= 0) {
    rt.success = false;
    return;
  }
  finish(rt, result, std::log(static_cast<long double>(a)));
}

void fexp(Runtime& rt, std::string& result) {
  double a = 0;
  if (realArgument(rt, a)) finish(rt, result, std::exp(static_cast<long double>(a)));
}

// The width-spec is what stands between "%-" and "f" in a C-style format:
// an optional width, then optionally "." and the number of decimals (two
// when none is given, none after a bare "."). It is checked here rather
// than handed to a formatting routine, where text such as "%n" would be a
// memory hazard. The width only pads, and the padding is trimmed anyway.
// More decimals than fixed notation is written with make the width-spec
// invalid.
bool decimalsFrom(std::string_view spec, int& decimals) {
  std::size_t i = 0;
  while (i < spec.size() && spec[i] >= '0' && spec[i] <= '9') ++i;
  decimals = 2;
  if (i < spec.size() && spec[i] == '.') {
    decimals = 0;
    // Counting stops just past the limit, so a long run of digits cannot
    // overflow.
    while (++i < spec.size() && spec[i] >= '0' && spec[i] <= '9')
      decimals = std::min(kMaxFixedDecimals + 1, decimals * 10 + (spec[i] - '0'));
  }
  return i == spec.size() && decimals <= kMaxFixedDecimals;
}

void format(Runtime& rt, std::string& result) {
  double a = 0;
  if (!realArgument(rt, a)) return;
  int decimals = 2;
  if (!decimalsFrom(core::nextArgument(rt), decimals)) {
    rt.success = false;
    return;
  }
  writeFixed(result, a, decimals, localeSettings(rt).decimalSeparator);
}

constexpr FunctionRow kRows[] = {{Function::FAdd, &binary<add>},
                                 {Function::FSub, &binary<subtract>},
                                 {Function::FMul, &binary<multiply>},
                                 {Function::FDiv, &fdiv},
                                 {Function::FLn, &fln},
                                 {Function::FExp, &fexp},
                                 {Function::Format, &format}};

}  // namespace

const std::span<const FunctionRow> kRealFunctions = kRows;

}  // namespace quillan::functions
