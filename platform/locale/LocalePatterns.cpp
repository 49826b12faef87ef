#include "platform/locale/LocalePatterns.h"

namespace quillan::locale {
namespace {

// The letters a strftime conversion stands for; null when it has no
// counterpart (time zones, day of the year, ...), which is then dropped.
// unpadded is set by the glibc flag "-" (%-d: day without leading zero).
const char* lettersFor(char conversion, bool unpadded) {
  switch (conversion) {
    case 'd':
      return unpadded ? "d" : "dd";
    case 'e':
      return "d";
    case 'm':
      return unpadded ? "m" : "mm";
    case 'y':
    case 'g':
      return "yy";
    case 'Y':
    case 'G':
      return "yyyy";
    case 'b':
    case 'h':
      return "mmm";
    case 'B':
      return "mmmm";
    case 'a':
      return "ddd";
    case 'A':
      return "dddd";
    // The hour letters follow the clock of the pattern: an am/pm marker in
    // the same pattern turns them to the 12-hour clock.
    case 'H':
    case 'I':
      return unpadded ? "h" : "hh";
    case 'k':
    case 'l':
      return "h";
    case 'M':
      return unpadded ? "n" : "nn";
    case 'S':
      return unpadded ? "s" : "ss";
    case 'p':
    case 'P':
      return "ampm";
    default:
      return nullptr;
  }
}

struct Converter {
  char placeholder;
  std::string_view ampmFormat;
  ConvertedPattern out;
  std::string pending;  // literal text not yet written
  bool fieldSeen = false;

  void quote(const std::string& text) {
    if (text.empty()) return;
    const char q = text.find('"') == std::string::npos ? '"' : '\'';
    out.pattern += q;
    for (char c : text)
      if (c != q) out.pattern += c;
    out.pattern += q;
  }

  void field(const char* letters) {
    if (fieldSeen && !pending.empty()) {
      if (out.separator.empty()) out.separator = pending;
      if (pending == out.separator) {
        out.pattern += placeholder;
      } else {
        quote(pending);
      }
    } else {
      quote(pending);  // text in front of the first field
    }
    pending.clear();
    out.pattern += letters;
    fieldSeen = true;
  }

  void run(std::string_view format, int depth) {
    for (std::size_t i = 0; i < format.size(); ++i) {
      if (format[i] != '%') {
        pending += format[i];
        continue;
      }
      bool unpadded = false;
      // Flags, width and the E/O modifiers change nothing we can express.
      while (++i < format.size()) {
        const char f = format[i];
        if (f == '-') {
          unpadded = true;
        } else if (!(f == '_' || f == '0' || f == '^' || f == '#' || f == 'E' || f == 'O' || (f >= '1' && f <= '9'))) {
          break;
        }
      }
      if (i >= format.size()) break;
      const char c = format[i];
      if (c == '%') {
        pending += '%';
      } else if (c == 'n' || c == 't') {
        pending += c == 'n' ? '\n' : '\t';
      } else if (depth < 3 && (c == 'D' || c == 'F' || c == 'T' || c == 'R' || c == 'r')) {
        std::string_view inner = c == 'D' ? "%m/%d/%y" : c == 'F' ? "%Y-%m-%d" : c == 'T' ? "%H:%M:%S" : "%H:%M";
        if (c == 'r') inner = ampmFormat.empty() ? std::string_view("%I:%M:%S %p") : ampmFormat;
        run(inner, depth + 1);
      } else if (const char* letters = lettersFor(c, unpadded)) {
        field(letters);
      } else {
        pending.clear();  // a dropped field takes the text in front of it along
      }
    }
  }
};

bool isLetterRun(char c, char letter) { return c == letter || c == letter - 32; }

}  // namespace

ConvertedPattern convertStrftime(std::string_view format, char placeholder, std::string_view ampmFormat) {
  Converter converter{placeholder, ampmFormat, {}};
  converter.run(format, 0);
  converter.quote(converter.pending);  // text behind the last field
  return converter.out;
}

std::string longDateFrom(std::string_view shortDate) {
  std::string result = "dddd, ";
  for (std::size_t i = 0; i < shortDate.size();) {
    const char c = shortDate[i];
    if (c == '"' || c == '\'') {
      const std::size_t close = shortDate.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? shortDate.size() : close + 1;
      result.append(shortDate.substr(i, end - i));
      i = end;
      continue;
    }
    std::size_t run = 1;
    while (i + run < shortDate.size() && shortDate[i + run] == c) ++run;
    if (isLetterRun(c, 'd')) {
      result += run >= 3 ? "dddd" : "d";
    } else if (isLetterRun(c, 'm')) {
      result += "mmmm";
    } else if (isLetterRun(c, 'y')) {
      result += "yyyy";
    } else if (c == '/') {
      result += ' ';
      run = 1;
    } else {
      result.append(shortDate.substr(i, run));
    }
    i += run;
  }
  return result;
}

std::string shortTimeFrom(std::string_view longTime) {
  std::string result(longTime);
  bool quoted = false;
  char quote = 0;
  for (std::size_t i = 0; i < result.size(); ++i) {
    const char c = result[i];
    if (quoted) {
      quoted = c != quote;
      continue;
    }
    if (c == '"' || c == '\'') {
      quoted = true;
      quote = c;
      continue;
    }
    if (isLetterRun(c, 's')) {
      std::size_t end = i;
      while (end < result.size() && isLetterRun(result[end], 's')) ++end;
      std::size_t begin = i;
      if (i > 0 && result[i - 1] == ':') {
        --begin;
      } else if (end < result.size() && (result[end] == '"' || result[end] == '\'')) {
        // No separator in front: the seconds carry a unit behind them.
        const std::size_t close = result.find(result[end], end + 1);
        end = close == std::string::npos ? result.size() : close + 1;
      }
      result.erase(begin, end - begin);
      break;
    }
  }
  return result;
}

void applyStrftimeFormats(os::LocaleSettings& settings, std::string_view dateFormat, std::string_view timeFormat,
                          std::string_view ampmFormat) {
  ConvertedPattern date = convertStrftime(dateFormat, '/', ampmFormat);
  if (date.pattern.find_first_of("dD") != std::string::npos && !date.separator.empty()) {
    settings.shortDateFormat = std::move(date.pattern);
    settings.dateSeparator = std::move(date.separator);
    settings.longDateFormat = longDateFrom(settings.shortDateFormat);
  }
  ConvertedPattern time = convertStrftime(timeFormat, ':', ampmFormat);
  if (time.pattern.find_first_of("hH") != std::string::npos && !time.separator.empty()) {
    settings.longTimeFormat = std::move(time.pattern);
    settings.timeSeparator = std::move(time.separator);
    settings.shortTimeFormat = shortTimeFrom(settings.longTimeFormat);
  }
}

}  // namespace quillan::locale
