#include "runtime/core/RunScript.h"

#include <cerrno>

#include "runtime/core/Interpreter.h"
#include "runtime/core/Keywords.h"
#include "runtime/core/ScriptLoader.h"
#include "runtime/core/Variables.h"

namespace quillan::core {

namespace {

// Why the file system would not hand over the script: the refusals of our
// own get words, anything else its error number.
std::string readFailure(int code) {
  switch (code) {
    case EISDIR:
    case ENODEV:
      return "Not a regular file";
    case EFBIG:
      return "File is too large (over 256 MB)";
    default:
      return "Error code " + std::to_string(code);
  }
}

}  // namespace

const std::string_view kBuiltInScript =
    "INFO Visual Quillan @sysinfo(qnver) Runtime@CR()"
    "\"Copyright (c) 2026 the Quillan developers, free software with no warranty.\"@CR()"
    "Start it with a compiled script file: scriptrun SCRIPT.exe [PARAMETERS]";

bool isCompiledScriptName(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string ext(file.substr(dot));
  upperAsciiInPlace(ext);
  return ext == ".EXE";
}

namespace {

void cannotRun(Runtime& rt, std::string_view scriptArg, const std::string& message) {
  showErrorBox(rt, "Cannot run " + std::string(scriptArg) + ": " + message);
  rt.store.clear();
  rt.stop = true;
  rt.terminated = true;
}

}  // namespace

bool runScript(Runtime& rt, std::string_view scriptArg, const std::vector<std::string>& parameters) {
  rt.store.clear();
  if (!isCompiledScriptName(scriptArg)) {
    rt.store.emplace_back(kBuiltInScript);
    prepare(rt, scriptArg, parameters);
    startScript(rt);
    return true;
  }
  std::string bytes;
  if (const int code = rt.os.fs->readFile(scriptArg, bytes); code != 0) {
    cannotRun(rt, scriptArg, readFailure(code));
    return false;
  }
  LoadedScript script = loadScript(bytes);
  if (!script.ok) {
    cannotRun(rt, scriptArg, script.message);
    return false;
  }
  rt.store = std::move(script.lines);
  if (rt.os.ui != nullptr) rt.os.ui->setApplicationIconFrom(scriptArg);
  prepare(rt, scriptArg, parameters);
  startScript(rt);
  return true;
}

}  // namespace quillan::core
