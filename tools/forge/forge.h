// The forge's core: stages of jobs, and where their files go.
//
// Each source file of a stage registers its jobs with FORGE_JOB; the build runs
// `forge --stage NAME --content DIR --out DIR` once per stage. Jobs of a stage
// may run on several threads at once, so a job touches only its own files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace forge {

struct Context {
  std::filesystem::path out;      // the program folder being filled
  std::filesystem::path content;  // the repository's content/ folder
};

using JobFn = void (*)(const Context&);
using CommandFn = int (*)(const Context&, const std::vector<std::string>& args);

int RegisterJob(const char* stage, const char* name, JobFn fn);
// A command line verb of its own, such as `--sheet FILE`.
int RegisterCommand(const char* flag, CommandFn fn);

// The file for a game path such as "Images\Quon\quon_bounce.png" or
// "SOund\news.ogg": separators become "/", and every folder on the way is
// matched without regard to letter case against the folders that already exist
// (so "SOund" and "Sound" share one folder, as the game's file layer would find
// them). Missing folders are created with the spelling given.
std::filesystem::path OutPath(const Context& ctx, std::string_view gamePath);

// Writes bytes to a file, replacing it only when the content differs, so that
// re-running a stage leaves unchanged files (and their times) alone.
void WriteFileIfChanged(const std::filesystem::path& file, const std::string& bytes);

// Stops the forge with a message; used for errors in sources under content/.
[[noreturn]] void Fail(const std::string& message);

}  // namespace forge

#define FORGE_CONCAT_INNER(a, b) a##b
#define FORGE_CONCAT(a, b) FORGE_CONCAT_INNER(a, b)
#define FORGE_JOB(stage, name, fn) \
  static const int FORGE_CONCAT(forge_job_, __LINE__) = ::forge::RegisterJob(stage, name, fn)
#define FORGE_COMMAND(flag, fn) \
  static const int FORGE_CONCAT(forge_cmd_, __LINE__) = ::forge::RegisterCommand(flag, fn)
