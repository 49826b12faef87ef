// Text and comparison functions. None of them reports through the success
// flag except CHR and ZERO, which tell whether their number was valid.
#include <algorithm>

#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

void asc(Runtime& rt, std::string& result) {
  ArgumentText text(rt);
  if (text->empty()) {
    rt.fail(core::kMissingFunctionArgument);
    return;
  }
  writeInteger(result, static_cast<unsigned char>(text->front()));
}

void chr(Runtime& rt, std::string& result) {
  bool valid = false;
  const std::int32_t code = integerRule(*ArgumentText(rt), valid);
  rt.success = valid;
  // The low byte, so -1 is 255 and 256 is 0, as "modulo 256" means.
  if (valid) result.assign(1, static_cast<char>(static_cast<unsigned char>(code)));
}

void cr(Runtime& rt, std::string& result) {
  core::readArgument(rt, result);
  result += '\r';
}

void tab(Runtime& rt, std::string& result) {
  core::readArgument(rt, result);
  result += '\t';
}

void len(Runtime& rt, std::string& result) {
  writeInteger(result, static_cast<std::int32_t>(ArgumentText(rt)->size()));
}

void upper(Runtime& rt, std::string& result) {
  core::readArgument(rt, result);
  core::upperAsciiInPlace(result);
}

void trim(Runtime& rt, std::string& result) {
  ArgumentText argument(rt);
  const std::string_view text = *argument;
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
  if (first < last) result.assign(first, last);
}

void pos(Runtime& rt, std::string& result) {
  ArgumentText needleArgument(rt);
  ArgumentText textArgument(rt);
  const std::string_view needle = *needleArgument;
  const std::string_view text = *textArgument;
  std::size_t found = 0;
  if (!needle.empty() && needle.size() <= text.size()) {
    for (std::size_t i = 0; i + needle.size() <= text.size(); ++i) {
      if (equalIgnoringCase(text.substr(i, needle.size()), needle)) {
        found = i + 1;
        break;
      }
    }
  }
  writeInteger(result, static_cast<std::int32_t>(found));
}

void substr(Runtime& rt, std::string& result) {
  ArgumentText textArgument(rt);
  ArgumentText firstArgument(rt);
  ArgumentText lastArgument(rt);
  const std::string_view text = *textArgument;
  const std::string_view firstText = *firstArgument;
  const std::string_view lastText = *lastArgument;
  // 64-bit, so that counting back from the end of a long text cannot wrap.
  const std::int64_t first = firstText.empty() ? 1 : integerRule(firstText);
  std::int64_t last = lastText.empty() ? 0 : integerRule(lastText);
  const auto length = static_cast<std::int64_t>(text.size());
  if (last == 0) last = first;
  if (last < 0) last = length + last;
  if (first > last) return;
  const std::int64_t from = std::max<std::int64_t>(first, 1);
  const std::int64_t to = std::min(last, length);
  if (from <= to)
    result.assign(text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1)));
}

void equal(Runtime& rt, std::string& result) {
  ArgumentText a(rt);
  ArgumentText b(rt);
  setYes(result, equalIgnoringCase(*a, *b));
}

void greater(Runtime& rt, std::string& result) {
  ArgumentText aArgument(rt);
  ArgumentText bArgument(rt);
  const std::string_view a = *aArgument;
  const std::string_view b = *bArgument;
  if (b.empty()) {
    rt.fail(core::kMissingFunctionArgument);
    return;
  }
  double x = 0;
  double y = 0;
  if (parseReal(a, x) && parseReal(b, y)) {
    setYes(result, x > y);
    return;
  }
  // Upper-cased byte by byte, a prefix being the smaller text.
  const auto folded = [](char c) { return static_cast<unsigned char>(core::upperAscii(c)); };
  const bool isGreater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                      [&](char l, char r) { return folded(l) < folded(r); });
  setYes(result, isGreater);
}

void isEmpty(Runtime& rt, std::string& result) { setYes(result, ArgumentText(rt)->empty()); }

void zero(Runtime& rt, std::string& result) {
  bool valid = false;
  const std::int32_t value = integerRule(*ArgumentText(rt), valid);
  rt.success = valid;
  setYes(result, valid && value == 0);
}

constexpr FunctionRow kRows[] = {{Function::Asc, &asc},     {Function::Chr, &chr},         {Function::Cr, &cr},
                                 {Function::Tab, &tab},     {Function::Len, &len},         {Function::Upper, &upper},
                                 {Function::Trim, &trim},   {Function::Pos, &pos},         {Function::SubStr, &substr},
                                 {Function::Equal, &equal}, {Function::Greater, &greater}, {Function::Not, &isEmpty},
                                 {Function::Zero, &zero}};

}  // namespace

const std::span<const FunctionRow> kStringFunctions = kRows;

}  // namespace quillan::functions
