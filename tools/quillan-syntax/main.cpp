// quillan-syntax: writes the editor syntax definitions for script sources.
//
//   quillan-syntax OUTDIR
//
// makes OUTDIR/quillan.xml (KSyntaxHighlighting), OUTDIR/syntax/quillan.vim
// and OUTDIR/ftdetect/quillan.vim (Vim). The build runs it; the install
// rules copy its output to where the editors look.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/quillan-syntax/SyntaxFiles.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& text) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    std::fprintf(stderr, "quillan-syntax: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillan-syntax OUTDIR\n");
    return 2;
  }
  using namespace quillan::syntax;
  const std::filesystem::path dir(argv[1]);
  const SyntaxWords words = languageWords();
  const bool ok = writeFile(dir / "quillan.xml", kateDefinition(words)) &&
                  writeFile(dir / "syntax" / "quillan.vim", vimSyntax(words)) &&
                  writeFile(dir / "ftdetect" / "quillan.vim", vimFiletypeDetection());
  return ok ? 0 : 1;
}
