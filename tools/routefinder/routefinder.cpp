// routefinder: finds a way through a level with the game's own physics and
// objects, and writes it as an input script the game replays exactly.
//
//   routefinder [--data DIR] [--seed N] [--via X,Y[,R] ...] [--out FILE]
//               [--chunk N] [--rollouts N] [--lookahead N] [--max-frames N]
//               [--tries N] [--goal exit|warp] [--prefix SCRIPT FRAME] LEVEL.doy
//
// The game runs headless in this process, as `boingle --headless --seed N
// LEVEL.doy` would, and a hook at the end of every frame steers it. Every
// `chunk` frames the search tries each choice of keys (left, right or
// neither; up, down or neither; a dash or not): a copy of the whole game,
// made with fork(), plays the choice for a chunk and then a few random
// continuations, and reports how far along the way it got without a knock.
// The line of play takes the best choice and goes on. "Along the way" is the
// list of --via points (pass within R pixels, default 48, of each, in order:
// statues, a secret box, a high ledge the direct way would miss), then the
// level's exit. At the exit the script waits for "Press Space" and ends the
// level. With --goal warp the way ends in the level's warp box instead (the
// last level leaves the story that way, exit code 1913, with no end
// sequence to wait for); reaching the exit box then counts as a wrong turn. A search that ends in a corner (every choice hurts, or no progress
// for 20 seconds of play) starts again with other random continuations and
// a longer look ahead, up to --tries times.
//
// --prefix plays a script's keys (a recorded run, usually the level's _run)
// up to FRAME before the search takes over: a detour to a statue is then
// searched from near it instead of from the start.
//
// The game is deterministic for a seed and a script, so the script the
// search wrote plays the same way in the real program:
//   boingle --headless --seed N --script FILE LEVEL.doy
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "entities/level_completion.h"
#include "entities/message_point.h"
#include "frame/game_loop.h"
#include "frame/startup.h"
#include "present/present.h"
#include "world/game_state.h"
#include "world/level_boxes.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/settings.h"

namespace {

struct Waypoint {
  float x, y, r;
};

struct Params {
  std::string data = ".";
  std::string level;
  std::string out;
  uint32_t seed = 1;
  std::vector<Waypoint> via;
  int chunk = 8;
  int rollouts = 4;
  int lookahead = 90;
  long maxFrames = 6000;
  int tries = 4;
  uint64_t searchSeed = 0;
  bool warpGoal = false;
  // Frames played from a script before the search takes over.
  std::string prefix;
  long prefixTo = 0;
};

// Keys held, as bits.
constexpr int kLeft = 1, kRight = 2, kUp = 4, kDown = 8;

struct Choice {
  int held;
  bool dash;
};

std::vector<Choice> AllChoices() {
  std::vector<Choice> c;
  for (int h : {0, kLeft, kRight})
    for (int v : {0, kUp, kDown})
      for (bool dash : {false, true}) c.push_back({h | v, dash});
  return c;
}

constexpr double kFailed = -1e18;
constexpr double kFinished = 1e15;
constexpr double kPerWaypoint = 1e6;
constexpr double kKnockPenalty = 2e4;

Params P;
const std::vector<Choice> kChoices = AllChoices();

// The state of the search in this process (each fork has its own copy).
enum class Mode { Line, Trial, Rollout };
Mode g_mode = Mode::Line;
long g_levelStart = -1;
size_t g_reached = 0;  // waypoints passed
int g_held = 0;
bool g_dashNext = false;
int g_framesLeft = 0;  // in a trial or a rollout
double g_best = kFailed;
int g_reportFd = -1;
std::mt19937_64 g_rng;
int g_stuckDecisions = 0;
double g_lineBest = kFailed;
bool g_spaceTapped = false;

// The line's keys frame by frame, for the script.
struct FrameKeys {
  long frame;
  int held;
  bool dash, space;
};
std::vector<FrameKeys> g_history;

float HeroX() { return P_X; }
float HeroY() { return P_Y - 22; }  // the middle of his body

void TargetOf(size_t k, float* x, float* y) {
  if (k < P.via.size()) {
    *x = P.via[k].x;
    *y = P.via[k].y;
  } else {
    const TLevelBox& goal = P.warpGoal ? WarpBox : LevelExitBox;
    *x = (goal.left + goal.right) / 2.0f;
    *y = (goal.top + goal.bottom) / 2.0f;
  }
}

// How far along the way this moment is; kFailed for a knock or an exit
// touched too early, kFinished (less the frames it took) at the exit.
bool AtGoal() { return P.warpGoal ? LevelExitCode == ExitCode::Warp : TallyState > 0; }

double Score() {
  if (PlayerState != 0 || Health < 5) return kFailed;
  // Any other way out of the level than the goal is a wrong turn: the warp
  // box ends the level at once, the exit box when the goal is the warp.
  if (LevelExitCode == ExitCode::Warp && !P.warpGoal) return kFailed;
  if (P.warpGoal && TallyState > 0) return kFailed;
  if (AtGoal())
    return g_reached >= P.via.size() ? kFinished - static_cast<double>(FramesPresented()) : kFailed;
  float tx, ty;
  TargetOf(g_reached, &tx, &ty);
  double d = std::hypot(HeroX() - tx, HeroY() - ty);
  return static_cast<double>(g_reached) * kPerWaypoint - d;
}

bool Terminal(double score) { return score == kFailed || score >= kFinished / 2; }

void PassWaypoints() {
  while (g_reached < P.via.size()) {
    const Waypoint& w = P.via[g_reached];
    if (std::hypot(HeroX() - w.x, HeroY() - w.y) > w.r) break;
    ++g_reached;
    if (g_mode == Mode::Line)
      std::fprintf(stderr, "routefinder: passed point %zu at frame %ld\n", g_reached, FramesPresented());
  }
}

void ApplyKeys(int held, bool dash) {
  auto set = [](int key, bool down) { InjectKey(key, down); };
  set(KeyLeft, held & kLeft);
  set(KeyRight, held & kRight);
  set(KeyUp, held & kUp);
  set(KeyDown, held & kDown);
  g_held = held;
  // A dash is a tap: down now, up after the next frame.
  if (dash) set(KeyAttack, true);
  g_dashNext = dash;
}

void ReleaseDash() {
  if (g_dashNext) InjectKey(KeyAttack, false);
  g_dashNext = false;
}

// A message box holds the keys until Space: read it and go on. Returns
// whether Space went down this frame.
bool g_spaceDown = false;
bool CloseMessages() {
  if (g_spaceDown) {
    InjectKey(VK_SPACE, false);
    g_spaceDown = false;
    return false;
  }
  if (TallyState == 0 && MessagePointOpen()) {
    InjectKey(VK_SPACE, true);
    g_spaceDown = true;
    return true;
  }
  return false;
}

void WritePartial();

// A line of play that ends in a corner leaves its keys so far beside the
// output (OUT.partialN for try N): with the frames at which it passed its
// points, a later search can take them as its --prefix.
[[noreturn]] void GiveUp() {
  if (g_mode == Mode::Line) WritePartial();
  _exit(3);
}

[[noreturn]] void Report(double score) {
  ssize_t n = write(g_reportFd, &score, sizeof score);
  (void)n;
  _exit(0);
}

Choice RandomChoice() {
  return kChoices[std::uniform_int_distribution<size_t>(0, kChoices.size() - 1)(g_rng)];
}

// Forks a copy of the game that reports one number back.
pid_t Spawn(int* readFd, Mode mode, int frames, Choice first, uint64_t seed) {
  int fds[2];
  if (pipe(fds) != 0) {
    std::perror("routefinder: pipe");
    std::exit(1);
  }
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid < 0) {
    std::perror("routefinder: fork");
    std::exit(1);
  }
  if (pid == 0) {
    close(fds[0]);
    g_reportFd = fds[1];
    g_mode = mode;
    g_framesLeft = frames;
    g_best = Score();
    g_rng.seed(seed);
    ApplyKeys(first.held, first.dash);
    return 0;
  }
  close(fds[1]);
  *readFd = fds[0];
  return pid;
}

double Collect(pid_t pid, int fd) {
  double score = kFailed;
  if (read(fd, &score, sizeof score) != sizeof score) score = kFailed;
  close(fd);
  waitpid(pid, nullptr, 0);
  return score;
}

// In a trial, after its chunk: the best of a few random continuations.
// Returns only in a continuation, which goes on playing.
void FinishTrial() {
  double best = g_best;
  std::vector<std::pair<pid_t, int>> kids;
  for (int k = 0; k < P.rollouts; ++k) {
    int fd;
    uint64_t seed = g_rng();
    pid_t pid = Spawn(&fd, Mode::Rollout, P.lookahead, RandomChoice(), seed);
    if (pid == 0) return;  // the rollout goes on playing
    kids.push_back({pid, fd});
  }
  for (auto [pid, fd] : kids) best = std::max(best, Collect(pid, fd));
  Report(best);
}

void Decide() {
  std::vector<std::pair<pid_t, int>> kids;
  for (size_t i = 0; i < kChoices.size(); ++i) {
    int fd;
    uint64_t seed = (static_cast<uint64_t>(FramesPresented()) << 8) ^ (i * 0x9E3779B97F4A7C15ull) ^ P.seed ^
                    (P.searchSeed * 0xD1B54A32D192ED03ull);
    pid_t pid = Spawn(&fd, Mode::Trial, P.chunk, kChoices[i], seed);
    if (pid == 0) return;  // this process is now the trial
    kids.push_back({pid, fd});
  }
  size_t bestIndex = 0;
  double best = kFailed;
  for (size_t i = 0; i < kids.size(); ++i) {
    double s = Collect(kids[i].first, kids[i].second);
    // Ties keep the keys as they are (fewer key events), then the first.
    bool same = kChoices[i].held == g_held && !kChoices[i].dash;
    if (s > best || (s == best && same)) {
      best = s;
      bestIndex = i;
    }
  }
  if (best > g_lineBest + 1) {
    g_lineBest = best;
    g_stuckDecisions = 0;
  } else if (++g_stuckDecisions * P.chunk > 1200) {
    std::fprintf(stderr, "routefinder: stuck near (%.0f, %.0f) at frame %ld, waypoint %zu; add a --via point\n",
                 HeroX(), HeroY(), FramesPresented(), g_reached + 1);
    GiveUp();
  }
  if (best == kFailed) {
    std::fprintf(stderr, "routefinder: every choice takes a knock at frame %ld near (%.0f, %.0f)\n",
                 FramesPresented(), HeroX(), HeroY());
    GiveUp();
  }
  ApplyKeys(kChoices[bestIndex].held, kChoices[bestIndex].dash);
}

void WriteScript();

// The keys of --prefix, frame by frame: what is held and whether Attack is
// tapped. Space taps are left out: the line closes messages itself, on the
// same frames as the run the prefix was recorded from.
struct PrefixKeys {
  std::map<long, std::pair<int, bool>> at;  // frame -> held after it, dash
  int HeldAt(long frame) const {
    auto it = at.upper_bound(frame);
    return it == at.begin() ? 0 : std::prev(it)->second.first;
  }
  bool DashAt(long frame) const {
    auto it = at.find(frame);
    return it != at.end() && it->second.second;
  }
};
PrefixKeys g_prefix;

void ReadPrefix() {
  std::ifstream in(P.prefix);
  if (!in) {
    std::fprintf(stderr, "routefinder: cannot read %s\n", P.prefix.c_str());
    std::exit(2);
  }
  std::string line;
  int held = 0;
  while (std::getline(in, line)) {
    long frame = 0;
    char verb[16] = {}, key[16] = {};
    if (line.empty() || line[0] == '#' || std::sscanf(line.c_str(), "%ld %15s %15s", &frame, verb, key) != 3) continue;
    if (frame > P.prefixTo) break;
    std::string v = verb, k = key;
    int bit = k == "LEFT" ? kLeft : k == "RIGHT" ? kRight : k == "UP" ? kUp : k == "DOWN" ? kDown : 0;
    auto& entry = g_prefix.at[frame];
    if (v == "down" && bit) held |= bit;
    if (v == "up" && bit) held &= ~bit;
    entry.first = held;
    if (v == "tap" && k == "S") entry.second = true;
  }
}

void LineFrame() {
  long frame = FramesPresented();
  if (frame - g_levelStart > P.maxFrames) {
    std::fprintf(stderr, "routefinder: no way found within %ld frames\n", P.maxFrames);
    GiveUp();
  }
  if (TallyState > 0 && !P.warpGoal) {
    // At the exit: hands off, then Space when the end waits for it.
    ApplyKeys(0, false);
    bool space = TallyState == 3 && !g_spaceTapped;
    if (space) {
      InjectKey(VK_SPACE, true);
      g_spaceTapped = true;
    } else if (g_spaceTapped) {
      InjectKey(VK_SPACE, false);
    }
    g_history.push_back({frame, 0, false, space});
    if (space) WriteScript();
    return;
  }
  if (P.warpGoal && LevelExitCode == ExitCode::Warp) {
    // The warp ends the level at once: the keys so far are the whole run.
    if (Score() == kFailed) {
      std::fprintf(stderr, "routefinder: the warp was reached before every --via point\n");
      GiveUp();
    }
    g_history.push_back({frame, g_held, false, false});
    WriteScript();
  }
  if (Score() == kFailed) {
    std::fprintf(stderr, "routefinder: the line of play took a knock at frame %ld\n", frame);
    GiveUp();
  }
  if (frame <= P.prefixTo) {
    ApplyKeys(g_prefix.HeldAt(frame), g_prefix.DashAt(frame));
  } else if ((frame - g_levelStart) % P.chunk == 0) {
    Decide();
    if (g_mode != Mode::Line) return;
  }
  g_history.push_back({frame, g_held, g_dashNext, false});
  static long lastShown = 0;
  if (frame - lastShown >= 300) {
    lastShown = frame;
    std::fprintf(stderr, "routefinder: frame %ld at (%.0f, %.0f), waypoint %zu of %zu\n", frame, HeroX(), HeroY(),
                 g_reached + 1, P.via.size() + 1);
  }
}

void Hook() {
  if (LevelTitle.empty()) return;  // the level is not loaded yet
  if (g_levelStart < 0) g_levelStart = FramesPresented();
  ReleaseDash();
  PassWaypoints();
  bool space = CloseMessages();
  if (g_mode == Mode::Line && space) {
    g_history.push_back({FramesPresented(), g_held, false, true});
    return;
  }
  if (g_mode == Mode::Line) {
    LineFrame();
    return;
  }
  double s = Score();
  // The line plays a trial's chunk exactly as tried, so a knock in it rules
  // the choice out. A random continuation that takes a knock says only that
  // this way is dangerous: what it reached still counts, less a penalty, so a
  // choice from which every continuation is hurt ranks below a safe one.
  if (s == kFailed) Report(g_mode == Mode::Trial ? kFailed : g_best - kKnockPenalty);
  g_best = std::max(g_best, s);
  if (Terminal(s)) Report(g_best);
  if (--g_framesLeft <= 0) {
    if (g_mode == Mode::Trial) {
      FinishTrial();  // back here only as a fresh continuation
      return;
    }
    Report(g_best);
  }
  if (g_mode == Mode::Rollout && g_framesLeft % P.chunk == 0) {
    Choice c = RandomChoice();
    ApplyKeys(c.held, c.dash);
  }
}

const char* KeyName(int bit) {
  switch (bit) {
    case kLeft: return "LEFT";
    case kRight: return "RIGHT";
    case kUp: return "UP";
    default: return "DOWN";
  }
}

std::string ScriptText() {
  std::ostringstream s;
  s << "# " << P.level << ", found by tools/routefinder with --seed " << P.seed;
  for (const Waypoint& w : P.via) s << " --via " << w.x << "," << w.y << "," << w.r;
  if (P.warpGoal) s << " --goal warp";
  if (!P.prefix.empty()) s << " --prefix " << P.prefix << " " << P.prefixTo;
  s << "\n# Replay: boingle --headless --seed " << P.seed << " --script THIS " << P.level << "\n";
  int held = 0;
  for (const FrameKeys& f : g_history) {
    for (int bit : {kLeft, kRight, kUp, kDown}) {
      bool was = held & bit, now = f.held & bit;
      if (was != now) s << f.frame << (now ? " down " : " up ") << KeyName(bit) << "\n";
    }
    held = f.held;
    if (f.dash) s << f.frame << " tap S\n";
    if (f.space) s << f.frame << " tap SPACE\n";
  }
  return s.str();
}

void WritePartial() {
  if (P.out.empty() || g_history.empty()) return;
  std::string path = P.out + ".partial" + std::to_string(P.searchSeed + 1);
  std::ofstream(path) << ScriptText();
  std::fprintf(stderr, "routefinder: the keys so far are in %s\n", path.c_str());
}

void WriteScript() {
  std::string text = ScriptText();
  if (P.out.empty()) {
    std::fputs(text.c_str(), stdout);
  } else {
    std::ofstream(P.out) << text;
    std::fprintf(stderr, "routefinder: wrote %s (%ld frames)\n", P.out.c_str(), g_history.back().frame);
  }
  std::fflush(nullptr);
  _exit(0);
}

[[noreturn]] void Usage(const char* why) {
  std::fprintf(stderr,
               "routefinder: %s\nusage: routefinder [--data DIR] [--seed N] [--via X,Y[,R] ...] [--out FILE]\n"
               "       [--chunk N] [--rollouts N] [--lookahead N] [--max-frames N] [--tries N]\n"
               "       [--goal exit|warp] [--prefix SCRIPT FRAME] LEVEL.doy\n",
               why);
  std::exit(2);
}

void Parse(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto next = [&]() -> std::string {
      if (i + 1 >= argc) Usage(("missing value after " + a).c_str());
      return argv[++i];
    };
    if (a == "--data") {
      P.data = next();
    } else if (a == "--seed") {
      P.seed = static_cast<uint32_t>(std::atol(next().c_str()));
    } else if (a == "--out") {
      P.out = next();
    } else if (a == "--via") {
      Waypoint w{0, 0, 48};
      if (std::sscanf(next().c_str(), "%f,%f,%f", &w.x, &w.y, &w.r) < 2) Usage("--via X,Y[,R]");
      P.via.push_back(w);
    } else if (a == "--chunk") {
      P.chunk = std::max(1, std::atoi(next().c_str()));
    } else if (a == "--rollouts") {
      P.rollouts = std::max(1, std::atoi(next().c_str()));
    } else if (a == "--lookahead") {
      P.lookahead = std::max(1, std::atoi(next().c_str()));
    } else if (a == "--tries") {
      P.tries = std::max(1, std::atoi(next().c_str()));
    } else if (a == "--goal") {
      std::string g = next();
      if (g != "exit" && g != "warp") Usage("--goal exit|warp");
      P.warpGoal = g == "warp";
    } else if (a == "--prefix") {
      P.prefix = next();
      P.prefixTo = std::atol(next().c_str());
    } else if (a == "--max-frames") {
      P.maxFrames = std::atol(next().c_str());
    } else if (a.rfind("--", 0) == 0) {
      Usage(("unknown option " + a).c_str());
    } else if (P.level.empty()) {
      P.level = a;
    } else {
      Usage("one level only");
    }
  }
  if (P.level.empty()) Usage("which level?");
  if (!P.prefix.empty()) ReadPrefix();
}

}  // namespace

int Search();

int main(int argc, char** argv) {
  Parse(argc, argv);
  // Each try is a process of its own, so a failed one leaves nothing behind.
  for (int t = 0; t < P.tries; ++t) {
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
      P.searchSeed = static_cast<uint64_t>(t);
      P.lookahead = P.lookahead * (4 + t) / 4;
      if (t > 0) std::fprintf(stderr, "routefinder: try %d of %d, looking %d frames ahead\n", t + 1, P.tries, P.lookahead);
      _exit(Search());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return 0;
  }
  std::fprintf(stderr, "routefinder: no way found in %d tries; add --via points along the way\n", P.tries);
  return 3;
}

int Search() {
  char dir[] = "/tmp/routefinder-XXXXXX";
  if (!mkdtemp(dir)) {
    std::perror("routefinder: mkdtemp");
    return 1;
  }
  // The same run as the game's own: headless, seeded, a settings file that
  // asks nothing (no music: the search needs no tunes, and sound effects do
  // not change the play), the level named on the command line.
  Options.headless = true;
  Options.dataDir = P.data;
  Options.saveDir = dir;
  Options.seeded = true;
  Options.seed = P.seed;
  Options.mixdownFile = "/dev/null";  // no sound device: forks need one thread only
  Options.levelArgs = {P.level};
  if (!StartPresentation()) return 1;
  ResetSettingsToDefaults();
  SoundOutputType = 4;
  ViewingMode = 1;
  SaveSettings();
  SetFrameHook(&Hook);
  try {
    StartUp();
    ChooseFirstState();
    RunGame();
  } catch (const EndOfRun&) {
  }
  // Only the line of play gets here, and only when the level ended without
  // the script being written.
  std::fprintf(stderr, "routefinder: the level ended before its exit was reached\n");
  std::error_code ignored;  // a fork may still be writing there
  std::filesystem::remove_all(dir, ignored);
  return 3;
}
