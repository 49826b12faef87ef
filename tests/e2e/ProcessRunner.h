// Runs a program directly (no shell) and collects its output and status.
#pragma once

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
ProcessResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {}, const std::string& cwd = {});

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
// A fresh empty directory under the test's temporary directory.
std::string makeTempDir();

}  // namespace quillan::testing
