// The user's regional settings read from the C library's locale data:
// LC_TIME gives the date and time formats and the day and month names,
// LC_NUMERIC the decimal separator, LC_COLLATE and LC_CTYPE the order of
// sorted lists. Everything is read once, when the object is made.
#pragma once

#include <locale.h>

#include <string>

#include "platform/api/Locale.h"

namespace quillan::locale {

class PosixLocale : public os::Locale {
 public:
  // An empty name follows the environment (LC_ALL, then LC_TIME or
  // LC_NUMERIC, then LANG). A locale that is not installed, like the C and
  // POSIX locales, leaves the ISO-like fallback of os::LocaleSettings.
  explicit PosixLocale(const std::string& name = "");
  ~PosixLocale() override;
  PosixLocale(const PosixLocale&) = delete;
  PosixLocale& operator=(const PosixLocale&) = delete;

  const os::LocaleSettings& settings() const override { return settings_; }
  // The collation key (wcsxfrm) of the text in lower case. Text is read as
  // the desktop reads it: UTF-8 when it is valid UTF-8, Latin-1 otherwise.
  std::string sortKey(std::string_view text) const override;
  // Whether the named locale was found for both categories.
  bool loaded() const { return loaded_; }

 private:
  os::LocaleSettings settings_;
  bool loaded_ = false;
  locale_t collation_ = static_cast<locale_t>(nullptr);
};

}  // namespace quillan::locale
