// forge: makes every picture, sound, tune, level and text the game reads.
#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "forge.h"

namespace forge {
namespace {

struct Job {
  std::string stage, name;
  JobFn fn;
};

std::vector<Job>& Jobs() {
  static std::vector<Job> jobs;
  return jobs;
}

std::map<std::string, CommandFn>& Commands() {
  static std::map<std::string, CommandFn> commands;
  return commands;
}

std::mutex g_dirMutex;

bool SameNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

int Usage() {
  std::cerr << "usage: forge --stage NAME [--content DIR] [--out DIR] [--jobs N]\n"
               "       forge --list\n";
  for (auto& [flag, fn] : Commands()) std::cerr << "       forge " << flag << " ...\n";
  return 2;
}

}  // namespace

int RegisterJob(const char* stage, const char* name, JobFn fn) {
  Jobs().push_back({stage, name, fn});
  return 0;
}

int RegisterCommand(const char* flag, CommandFn fn) {
  Commands()[flag] = fn;
  return 0;
}

std::filesystem::path OutPath(const Context& ctx, std::string_view gamePath) {
  std::string p(gamePath);
  std::replace(p.begin(), p.end(), '\\', '/');
  std::lock_guard<std::mutex> lock(g_dirMutex);
  std::filesystem::path dir = ctx.out;
  size_t start = 0;
  while (true) {
    size_t slash = p.find('/', start);
    if (slash == std::string::npos) break;
    std::string part = p.substr(start, slash - start);
    start = slash + 1;
    if (part.empty()) continue;
    std::filesystem::path found;
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec)) {
      for (auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (entry.is_directory() && SameNoCase(entry.path().filename().string(), part)) {
          found = entry.path();
          break;
        }
      }
    }
    if (found.empty()) {
      found = dir / part;
      std::filesystem::create_directories(found);
    }
    dir = found;
  }
  return dir / p.substr(start);
}

void WriteFileIfChanged(const std::filesystem::path& file, const std::string& bytes) {
  {
    std::ifstream in(file, std::ios::binary);
    if (in) {
      std::ostringstream old;
      old << in.rdbuf();
      if (old.str() == bytes) return;
    }
  }
  std::filesystem::path tmp = file;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) Fail("cannot write " + tmp.string());
  }
  std::filesystem::rename(tmp, file);
}

void Fail(const std::string& message) {
  std::cerr << "forge: " << message << "\n";
  std::exit(1);
}

}  // namespace forge

int main(int argc, char** argv) {
  using namespace forge;
  std::vector<std::string> args(argv + 1, argv + argc);
  Context ctx{std::filesystem::current_path(), std::filesystem::current_path() / "content"};
  std::string stage;
  unsigned jobs = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&]() -> std::string {
      if (i + 1 >= args.size()) std::exit(Usage());
      return args[++i];
    };
    if (a == "--stage") stage = next();
    else if (a == "--out") ctx.out = next();
    else if (a == "--content") ctx.content = next();
    else if (a == "--jobs") jobs = static_cast<unsigned>(std::max(1, std::atoi(next().c_str())));
    else if (a == "--list") {
      for (auto& j : Jobs()) std::cout << j.stage << " " << j.name << "\n";
      return 0;
    } else if (a == "--help") return Usage();
    else rest.push_back(a);
  }
  std::filesystem::create_directories(ctx.out);
  if (!rest.empty()) {
    auto it = Commands().find(rest[0]);
    if (it == Commands().end()) return Usage();
    return it->second(ctx, std::vector<std::string>(rest.begin() + 1, rest.end()));
  }
  if (stage.empty()) return Usage();

  std::vector<const Job*> todo;
  for (auto& j : Jobs())
    if (stage == "all" || j.stage == stage) todo.push_back(&j);
  auto t0 = std::chrono::steady_clock::now();
  std::atomic<size_t> nextJob{0};
  auto worker = [&] {
    for (size_t k; (k = nextJob++) < todo.size();) todo[k]->fn(ctx);
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < jobs; ++t) pool.emplace_back(worker);
  worker();
  for (auto& t : pool) t.join();
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("forge: stage %s, %zu jobs, %.2f s\n", stage.c_str(), todo.size(), secs);
  return 0;
}
