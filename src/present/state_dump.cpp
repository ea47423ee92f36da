#include "present/state_dump.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

#include "present/present.h"

namespace {

struct Entry {
  const char* name;
  StateValueFn number;  // one of the two
  StateJsonFn json;
};

std::vector<Entry>& Entries() {
  static std::vector<Entry> entries;
  return entries;
}

std::string Number(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[64];
  if (v == std::floor(v) && std::fabs(v) < 1e15)
    std::snprintf(buf, sizeof buf, "%.0f", v);
  else
    std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

}  // namespace

int RegisterStateValue(const char* name, StateValueFn fn) {
  Entries().push_back({name, fn, nullptr});
  return 0;
}

int RegisterStateJson(const char* name, StateJsonFn fn) {
  Entries().push_back({name, nullptr, fn});
  return 0;
}

BOINGLE_STATE_VALUE(Frames, FramesPresented());

std::string StateJson() {
  std::string out = "{";
  bool first = true;
  for (const auto& e : Entries()) {
    if (!first) out += ", ";
    first = false;
    out += "\"";
    out += e.name;
    out += "\": ";
    std::string value = e.json ? e.json() : Number(e.number());
    // Whatever a subsystem wrote, the file stays one valid object.
    out += value.empty() ? "null" : value;
  }
  out += "}\n";
  return out;
}

bool WriteStateFile(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << StateJson();
  return static_cast<bool>(out);
}
