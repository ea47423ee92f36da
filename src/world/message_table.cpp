#include "world/message_table.h"

#include <charconv>
#include <string_view>
#include <system_error>
#include <sstream>

#include "present/present.h"

std::string MessageText[kMessageTableSize];
int MessageSpeaker[kMessageTableSize];

namespace {

// A whole number at the start of `s` up to the next tab; moves `s` past it.
bool TakeNumber(std::string_view& s, int& out) {
  size_t tab = s.find('\t');
  if (tab == std::string_view::npos || tab == 0) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + tab, out);
  if (ec != std::errc() || end != s.data() + tab) return false;
  s.remove_prefix(tab + 1);
  return true;
}

}  // namespace

bool LoadMessageTable(const std::string& path) {
  for (int i = 0; i < kMessageTableSize; ++i) {
    MessageText[i].clear();
    MessageSpeaker[i] = 0;
  }
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, &bytes)) return false;
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  // The forge ends every line; a last line without its end is most likely a
  // file cut short (its text too). It is still taken, and the file named.
  bool ok = bytes.empty() || bytes.back() == '\n';
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::string_view rest(line);
    int index = 0, speaker = 0;
    if (!TakeNumber(rest, index) || !TakeNumber(rest, speaker) || index < 0 || index >= kMessageTableSize) {
      ok = false;
      continue;
    }
    MessageText[index] = std::string(rest);
    MessageSpeaker[index] = speaker;
  }
  return ok;
}
