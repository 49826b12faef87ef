// Runs a program directly (no shell) and collects its output and status.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace quillan::testing {

struct ProcessResult {
  int status = -1;  // exit status, or 128 + signal
  std::string out;
  std::string err;
};

// env entries are added to (or replace those of) the test's environment.
// A non-zero addressSpaceLimit caps the child's address space (RLIMIT_AS)
// at that many bytes.
ProcessResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {}, const std::string& cwd = {},
                         std::size_t addressSpaceLimit = 0);

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
// A fresh empty directory under the test's temporary directory.
std::string makeTempDir();

}  // namespace quillan::testing
