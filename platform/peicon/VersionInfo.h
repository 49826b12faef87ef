#pragma once
// Reads the version strings (company, product, versions, ...) out of an
// executable's version resource, for 32- and 64-bit images and for the
// older 16-bit format. Pure byte parsing, safe on any input.
#include <string>
#include <string_view>

namespace quillan::peicon {

struct VersionInfo {
  // "PE" or "NE" by the two bytes the header pointer at byte 60 leads to,
  // "!!" when they are neither, "??" for a file of 62 bytes or less or a
  // pointer past its end.
  std::string type;
  // The strings of the block the first translation names; empty when
  // missing. 32-bit files store UTF-16, which comes back as UTF-8; 16-bit
  // files store 8-bit text, which comes back as stored.
  std::string companyName;
  std::string fileDescription;
  std::string originalFilename;
  std::string productName;
  std::string fileVersion;
  std::string productVersion;
  std::string legalCopyright;
};

VersionInfo readVersionInfo(std::string_view fileBytes) noexcept;

}  // namespace quillan::peicon
