// The file layer. The game names its files with "\" or "/" and in any letter
// case ("SOund\news.ogg" beside "Sound\bee_hit.wav"), so every relative path is
// resolved component by component against what is really on disk.
//
// Two roots: the data folder (content, read-only as far as the game cares) and
// the save folder (settings, save slots, dumps). Reads look in the save folder
// first, so a file the game wrote wins over shipped content of the same name;
// writes always go to the save folder.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <set>

#include "present/present.h"

struct File {
  FILE* fp = nullptr;
  bool writing = false;
};

namespace {

std::vector<std::unique_ptr<File>> g_openFiles;
std::string g_lastError;

// Keeps why the last write, flush or rename failed, for the one line the
// player is told.
bool Failed() {
  g_lastError = std::strerror(errno);
  return false;
}

std::string Normalise(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

bool IsAbsolute(const std::string& p) { return !p.empty() && p[0] == '/'; }

bool SameNoCase(const std::string& a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int KindOf(const std::string& real) {
  struct stat st;
  if (stat(real.c_str(), &st) != 0) return 0;
  if (S_ISDIR(st.st_mode)) return 2;
  if (S_ISREG(st.st_mode)) return 1;
  return 0;
}

// Finds the entry of folder `dir` named `name` without regard to case; the
// exact spelling wins when it exists.
std::string MatchEntry(const std::string& dir, const std::string& name) {
  std::string exact = dir.empty() ? name : dir + "/" + name;
  if (KindOf(exact) != 0) return exact;
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return "";
  std::string found;
  while (dirent* e = readdir(d)) {
    if (SameNoCase(name, e->d_name)) {
      found = dir.empty() ? std::string(e->d_name) : dir + "/" + e->d_name;
      break;
    }
  }
  closedir(d);
  return found;
}

// Resolves every component of `rel` under `root`. With `forWrite`, the last
// component may be missing (it keeps the given spelling), and so may folders
// (created with the given spelling).
std::string ResolveUnder(const std::string& root, const std::string& rel, bool forWrite) {
  std::string cur = root;
  size_t start = 0;
  while (start <= rel.size()) {
    size_t slash = rel.find('/', start);
    bool last = slash == std::string::npos;
    std::string part = rel.substr(start, last ? std::string::npos : slash - start);
    start = last ? rel.size() + 1 : slash + 1;
    if (part.empty() || part == ".") continue;
    std::string next = MatchEntry(cur, part);
    if (next.empty()) {
      if (!forWrite) return "";
      next = cur.empty() ? part : cur + "/" + part;
      if (!last) mkdir(next.c_str(), 0755);
    }
    cur = next;
  }
  return cur;
}

std::string DataRoot() { return Options.dataDir.empty() ? std::string(".") : Options.dataDir; }
std::string SaveRoot() { return Options.saveDir.empty() ? DataRoot() : Options.saveDir; }

}  // namespace

std::string ResolveReadPath(const std::string& path) {
  std::string p = Normalise(path);
  if (p.empty()) return "";
  if (IsAbsolute(p)) return ResolveUnder("/", p.substr(1), false);
  std::string save = SaveRoot();
  std::string r = ResolveUnder(save, p, false);
  if (!r.empty()) return r;
  std::string data = DataRoot();
  if (data == save) return "";
  return ResolveUnder(data, p, false);
}

std::string ResolveWritePath(const std::string& path) {
  std::string p = Normalise(path);
  if (p.empty()) return "";
  if (IsAbsolute(p)) return ResolveUnder("/", p.substr(1), true);
  return ResolveUnder(SaveRoot(), p, true);
}

File* ReadFile(const std::string& path) {
  std::string real = ResolveReadPath(path);
  if (real.empty() || KindOf(real) != 1) return nullptr;
  FILE* fp = std::fopen(real.c_str(), "rb");
  if (!fp) return nullptr;
  auto f = std::make_unique<File>();
  f->fp = fp;
  g_openFiles.push_back(std::move(f));
  return g_openFiles.back().get();
}

File* WriteFile(const std::string& path) {
  std::string real = ResolveWritePath(path);
  if (real.empty()) {
    g_lastError = "no such folder";
    return nullptr;
  }
  FILE* fp = std::fopen(real.c_str(), "wb");
  if (!fp) {
    Failed();
    return nullptr;
  }
  auto f = std::make_unique<File>();
  f->fp = fp;
  f->writing = true;
  g_openFiles.push_back(std::move(f));
  return g_openFiles.back().get();
}

void CloseFile(File* f) {
  if (!f) return;
  auto it = std::find_if(g_openFiles.begin(), g_openFiles.end(),
                         [f](const std::unique_ptr<File>& p) { return p.get() == f; });
  if (it == g_openFiles.end()) return;
  if (f->fp) std::fclose(f->fp);
  g_openFiles.erase(it);
}

int32_t ReadInt(File* f) {
  if (!f || !f->fp) return 0;
  unsigned char b[4] = {0, 0, 0, 0};
  size_t n = std::fread(b, 1, 4, f->fp);
  if (n < 4) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                              (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

void WriteInt(File* f, int32_t v) {
  if (!f || !f->fp) return;
  uint32_t u = static_cast<uint32_t>(v);
  unsigned char b[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                        static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
  std::fwrite(b, 1, 4, f->fp);
}

std::string ReadLine(File* f) {
  std::string line;
  if (!f || !f->fp) return line;
  int c;
  while ((c = std::fgetc(f->fp)) != EOF) {
    if (c == 10 || c == 0) break;
    if (c == 13) continue;
    line.push_back(static_cast<char>(c));
  }
  return line;
}

void WriteLine(File* f, const std::string& line) {
  if (!f || !f->fp) return;
  std::fwrite(line.data(), 1, line.size(), f->fp);
  std::fputc(13, f->fp);
  std::fputc(10, f->fp);
}

bool Eof(File* f) {
  if (!f || !f->fp) return true;
  int c = std::fgetc(f->fp);
  if (c == EOF) return true;
  std::ungetc(c, f->fp);
  return false;
}

bool FlushFile(File* f) {
  if (!f || !f->fp) return false;
  // A write that failed earlier (the stream's buffer filled on a full disk)
  // lost its bytes even if what is left flushes well.
  if (std::fflush(f->fp) != 0 || std::ferror(f->fp)) return Failed();
  return fsync(fileno(f->fp)) == 0 || Failed();
}

int FileType(const std::string& path) {
  std::string real = ResolveReadPath(path);
  return real.empty() ? 0 : KindOf(real);
}

bool DeleteFile(const std::string& path) {
  std::string p = Normalise(path);
  std::string real = IsAbsolute(p) ? ResolveUnder("/", p.substr(1), false) : ResolveUnder(SaveRoot(), p, false);
  if (real.empty() || KindOf(real) != 1) return false;
  return std::remove(real.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  std::string f = Normalise(from);
  std::string src = IsAbsolute(f) ? ResolveUnder("/", f.substr(1), false) : ResolveUnder(SaveRoot(), f, false);
  if (src.empty()) return false;
  std::string dst = ResolveWritePath(to);
  if (dst.empty()) return false;
  return std::rename(src.c_str(), dst.c_str()) == 0 || Failed();
}

namespace {

// The new name on disk, not only in the kernel: a power cut right after a
// save must not bring the old file back (or neither).
void SyncFolderOf(const std::string& path) {
  std::string real = ResolveReadPath(path);
  size_t slash = real.rfind('/');
  std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : real.substr(0, slash);
  int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceWithNewFile(const std::string& fresh, const std::string& name, const std::string& backup) {
  if (FileType(name) == 1) {
    DeleteFile(backup);  // a backup left by an interrupted save is stale now
    if (!RenameFile(name, backup)) {
      DeleteFile(fresh);
      return false;
    }
  }
  if (!RenameFile(fresh, name)) {
    std::string why = g_lastError;
    RenameFile(backup, name);
    DeleteFile(fresh);
    g_lastError = why;
    return false;
  }
  SyncFolderOf(name);
  DeleteFile(backup);
  return true;
}

std::string LastFileError() { return g_lastError; }

void NameBrokenContent(const std::string& path, const std::string& consequence) {
  static std::set<std::string> told;
  if (!told.insert(Normalise(path)).second) return;
  const char* what = FileType(path) == 0 ? "is missing" : "is broken";
  std::fprintf(stderr, "boingle: %s %s; %s\n", path.c_str(), what, consequence.c_str());
  std::fflush(stderr);
}

void SayCannotWrite(const std::string& path, const std::string& consequence) {
  // Once per file: the game saves on every pass of its loop, and a full disk
  // stays full.
  static std::set<std::string> told;
  if (!told.insert(path).second) return;
  std::string why = g_lastError.empty() ? "" : " (" + g_lastError + ")";
  std::fprintf(stderr, "boingle: could not write %s%s; %s\n", path.c_str(), why.c_str(), consequence.c_str());
  std::fflush(stderr);
}

bool CreateEmptyFile(const std::string& path) {
  File* f = WriteFile(path);
  if (!f) return false;
  CloseFile(f);
  return true;
}

std::vector<std::string> ReadDir(const std::string& path) {
  std::vector<std::string> names;
  std::string real = ResolveReadPath(path);
  if (real.empty() || KindOf(real) != 2) return names;
  DIR* d = opendir(real.c_str());
  if (!d) return names;
  std::vector<std::string> rest;
  while (dirent* e = readdir(d)) {
    std::string n = e->d_name;
    if (n == "." || n == "..") continue;
    rest.push_back(n);
  }
  closedir(d);
  // The platform's order is whatever the file system gives; sorting makes
  // runs repeat exactly on every machine.
  std::sort(rest.begin(), rest.end());
  names.push_back(".");
  names.push_back("..");
  names.insert(names.end(), rest.begin(), rest.end());
  return names;
}

std::string UserFile(const std::string& name) {
  std::string root = SaveRoot();
  if (!root.empty() && root[0] != '/') {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) root = std::string(cwd) + "/" + root;
  }
  return root + "/" + Normalise(name);
}

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>* bytes) {
  std::string real = ResolveReadPath(path);
  if (real.empty() || KindOf(real) != 1) return false;
  FILE* fp = std::fopen(real.c_str(), "rb");
  if (!fp) return false;
  bytes->clear();
  unsigned char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) bytes->insert(bytes->end(), buf, buf + n);
  std::fclose(fp);
  return true;
}
