// The directory search LIST FILELIST uses, on the real file system, against
// find(1) on the same tree: one directory of N files listed with sizes and
// dates, and a tree of N files in N/100 directories listed recursively
// ("D*", every directory). Best of five runs each.
//   filelist [files] [scratch directory]
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/posix/PosixFileOperations.h"
#include "runtime/functions/DirectorySearch.h"

namespace {

double bestOfFive(const std::function<void()>& run) {
  double best = 1e30;
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

std::size_t listed(quillan::os::FileOperations& files, const std::string& path, const char* letters) {
  std::size_t count = 0;
  quillan::functions::listEntries(files, path, quillan::functions::parseEntrySelection(letters), '|',
                                  [&](std::string) { ++count; });
  return count;
}

void compare(quillan::os::FileOperations& files, const char* what, const std::string& path, const char* letters,
             const std::string& findArguments) {
  std::size_t count = 0;
  const double ours = bestOfFive([&] { count = listed(files, path, letters); });
  const std::string command = "find " + findArguments + " > /dev/null";
  const double find = bestOfFive([&] {
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "find failed\n");
  });
  std::printf("%-40s %7zu entries  FILELIST %8.1f ms  find %8.1f ms  ratio %.2f\n", what, count, ours, find,
              ours / find);
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 20000;
  namespace fs = std::filesystem;
  const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "quillan-filelist-bench";
  fs::remove_all(base);
  const fs::path flat = base / "flat";
  const fs::path tree = base / "tree";
  fs::create_directories(flat);
  for (int i = 0; i < files; ++i) std::ofstream(flat / ("file" + std::to_string(i) + ".txt")) << i;
  for (int i = 0; i < files; ++i) {
    const fs::path dir = tree / ("d" + std::to_string(i / 1000)) / ("s" + std::to_string(i / 100));
    if (i % 100 == 0) fs::create_directories(dir);
    std::ofstream(dir / ("file" + std::to_string(i) + ".txt")) << i;
  }
  quillan::posix::PosixFileOperations ops;
  compare(ops, "one directory, names, sizes and dates", flat.string(), "FZT",
          flat.string() + " -mindepth 1 -maxdepth 1 -printf '%p|%s|%T@\\n'");
  compare(ops, "one directory, names", flat.string(), "", flat.string() + " -mindepth 1 -maxdepth 1 -type f");
  compare(ops, "tree, D* (directories, recursively)", tree.string(), "D*", tree.string() + " -mindepth 1 -type d");
  compare(ops, "one directory, *7.txt", flat.string() + "/*7.txt", "",
          flat.string() + " -mindepth 1 -maxdepth 1 -iname '*7.txt' -type f");
  fs::remove_all(base);
  return 0;
}
