// The input script: one event per line, counted in frames, so that a run with
// a seed, a script and the headless clock repeats exactly.
//
//   N down KEY | N up KEY | N tap KEY | N type TEXT     (# starts a comment)
//   N focus lost | N focus gained
//   N move X Y | N click X Y                              (frame pixels)
//
// An event at N is delivered after the N-th presented frame (0: before the
// first). "tap" is down at N and up at N + 1; "type" sends one character a
// frame from N on, each as a press and release of its key plus the character.
// "focus" takes the window's focus away or gives it back, through the same
// call the window's own focus events make. "move" puts the pointer on a pixel
// of the 800 by 600 frame; "click" moves it there and presses mouse button 1
// at N, releasing it at N + 1.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "present/present_internal.h"

namespace {

struct ScriptEvent {
  long frame;
  enum Kind { Down, Up, Char, Focus, Move, Press, Release } kind;
  int value;  // key code, character, 1 focused / 0 not, or the pointer's x
  int y = 0;  // the pointer's y
};

std::vector<ScriptEvent> g_events;
size_t g_next = 0;

int KeyForChar(int c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 65;
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
  switch (c) {
    case '-': return 189;
    case '=': return 187;
    case ',': return 188;
    case '.': return 190;
    case '/': return 191;
    case ';': return 186;
    case '\'': return 222;
    case '[': return 219;
    case ']': return 221;
    case '\\': return 220;
    case '`': return 192;
    default: return 0;
  }
}

// The character a control key types, as a real keyboard sends it.
int CharForKey(int key) {
  switch (key) {
    case VK_ENTER:
    case VK_BACKSPACE:
    case VK_TAB:
    case VK_ESCAPE: return key;
    default: return 0;
  }
}

// A frame number past this is a mistake (some 580 years of play), and one at
// the very top of the range would overflow on its way to "tap"'s release.
constexpr long kLastFrame = 1L << 40;

bool AllDigits(const std::string& s, size_t from) {
  return s.size() > from &&
         std::all_of(s.begin() + static_cast<long>(from), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ParseKey(std::string name) {
  for (auto& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (name == "LEFT") return VK_LEFT;
  if (name == "RIGHT") return VK_RIGHT;
  if (name == "UP") return VK_UP;
  if (name == "DOWN") return VK_DOWN;
  if (name == "SPACE") return VK_SPACE;
  if (name == "ESCAPE" || name == "ESC") return VK_ESCAPE;
  if (name == "ENTER" || name == "RETURN") return VK_ENTER;
  if (name == "BACKSPACE") return VK_BACKSPACE;
  if (name == "TAB") return VK_TAB;
  if (name == "LALT" || name == "ALT") return VK_LALT;
  if (name == "LCONTROL" || name == "CONTROL") return VK_LCONTROL;
  if (name.size() == 1 && (std::isalpha(static_cast<unsigned char>(name[0])) ||
                           std::isdigit(static_cast<unsigned char>(name[0]))))
    return name[0];
  // Short digit runs only: a long one would not fit the number it is read into.
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' && AllDigits(name, 1)) {
    int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= 12) return VK_F1 + n - 1;
  }
  if (name.size() <= 3 && AllDigits(name, 0)) {
    int n = std::atoi(name.c_str());
    if (n >= 1 && n <= 255) return n;
  }
  return 0;
}

}  // namespace

bool LoadInputScript(const std::string& file, std::string* error) {
  g_events.clear();
  g_next = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    *error = "cannot read the input script " + file;
    return false;
  }
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t hash = line.find('#');
    std::string body = hash == std::string::npos ? line : line.substr(0, hash);
    std::istringstream ls(body);
    long frame;
    std::string verb;
    if (!(ls >> frame)) {
      if (body.find_first_not_of(" \t") == std::string::npos) continue;
      *error = file + ":" + std::to_string(lineNo) + ": expected a frame number";
      return false;
    }
    if (frame > kLastFrame) {
      *error = file + ":" + std::to_string(lineNo) + ": frame number " + std::to_string(frame) + " is too large";
      return false;
    }
    if (!(ls >> verb) || frame < 0) {
      *error = file + ":" + std::to_string(lineNo) + ": expected down, up, tap, type, focus, move or click";
      return false;
    }
    auto bad = [&](const std::string& what) {
      *error = file + ":" + std::to_string(lineNo) + ": " + what;
      return false;
    };
    if (verb == "type") {
      // The text is everything after one blank following the verb; a comment
      // sign ends it like any line.
      size_t at = body.find("type") + 4;
      if (at < body.size() && body[at] == ' ') ++at;
      std::string text = body.substr(std::min(at, body.size()));
      long f = frame;
      for (unsigned char c : text) {
        int key = KeyForChar(c);
        if (key) {
          g_events.push_back({f, ScriptEvent::Down, key});
          g_events.push_back({f, ScriptEvent::Up, key});
        }
        g_events.push_back({f, ScriptEvent::Char, c});
        ++f;
      }
      continue;
    }
    if (verb == "focus") {
      std::string what;
      ls >> what;
      if (what != "lost" && what != "gained") return bad("expected focus lost or focus gained");
      g_events.push_back({frame, ScriptEvent::Focus, what == "gained" ? 1 : 0});
      continue;
    }
    if (verb == "move" || verb == "click") {
      int x, y;
      if (!(ls >> x >> y)) return bad("expected the pointer's x and y after " + verb);
      g_events.push_back({frame, ScriptEvent::Move, x, y});
      if (verb == "click") {
        g_events.push_back({frame, ScriptEvent::Press, 1});
        g_events.push_back({frame + 1, ScriptEvent::Release, 1});
      }
      continue;
    }
    std::string keyName;
    if (!(ls >> keyName)) return bad("expected a key");
    int key = ParseKey(keyName);
    if (!key) return bad("unknown key " + keyName);
    if (verb == "down") {
      g_events.push_back({frame, ScriptEvent::Down, key});
    } else if (verb == "up") {
      g_events.push_back({frame, ScriptEvent::Up, key});
    } else if (verb == "tap") {
      g_events.push_back({frame, ScriptEvent::Down, key});
      g_events.push_back({frame + 1, ScriptEvent::Up, key});
    } else {
      return bad("unknown event " + verb);
    }
  }
  std::stable_sort(g_events.begin(), g_events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
  return true;
}

void DeliverScriptEvents(long frame) {
  while (g_next < g_events.size() && g_events[g_next].frame <= frame) {
    const ScriptEvent& e = g_events[g_next++];
    switch (e.kind) {
      case ScriptEvent::Down:
        InjectKey(e.value, true);
        if (int c = CharForKey(e.value)) InjectChar(c);
        break;
      case ScriptEvent::Up: InjectKey(e.value, false); break;
      case ScriptEvent::Char: InjectChar(e.value); break;
      case ScriptEvent::Focus: InjectFocus(e.value != 0); break;
      case ScriptEvent::Move: InjectMouseMove(e.value, e.y); break;
      case ScriptEvent::Press: InjectMouseButton(e.value, true); break;
      case ScriptEvent::Release: InjectMouseButton(e.value, false); break;
    }
  }
}
