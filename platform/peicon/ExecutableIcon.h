#pragma once
// Reads the application icon out of an executable so it can be shown on a
// system that cannot load the executable itself. Pure byte parsing, safe
// on any input: the bytes may come from a stub built elsewhere or from any
// file a script names.
#include <optional>
#include <string>
#include <string_view>

namespace quillan::peicon {

// The first icon group of a 32- or 64-bit executable's resources, as the
// bytes of a standalone icon file holding all of its images. Bytes that
// already are an icon file come back unchanged, so callers need not tell
// the two apart. Nullopt for anything else, including an executable with
// no icon or one whose icon is damaged.
std::optional<std::string> firstIconAsIco(std::string_view fileBytes) noexcept;

}  // namespace quillan::peicon
