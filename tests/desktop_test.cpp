// The game as a Linux desktop program: where it reads its content and keeps
// the player's files, built or installed; `cmake --install` and the installed
// game started from its prefix; --windowed and --fullscreen for one run; the
// F12 key in a run without pixels; and the pause when the window loses its
// focus.
#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "frame/game_loop.h"
#include "world/game_state.h"
#include "frame/pause_menu.h"
#include "world/settings.h"
#include "frame/startup.h"
#include "present/game_folders.h"
#include "present/mixer.h"
#include "present/present.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object.
class EnvVar {
 public:
  EnvVar(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  ~EnvVar() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }
  EnvVar(const EnvVar&) = delete;
  EnvVar& operator=(const EnvVar&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

void MakeContentFolder(const fs::path& dir) {
  fs::create_directories(dir / "Levels");
  fs::create_directories(dir / "Images");
}

// Every file under a folder with its size: what a run may not change.
std::map<std::string, uintmax_t> Listing(const fs::path& root) {
  std::map<std::string, uintmax_t> files;
  for (auto& e : fs::recursive_directory_iterator(root))
    files[fs::relative(e.path(), root).string()] = e.is_regular_file() ? e.file_size() : 0;
  return files;
}

const std::vector<int32_t> kChosen = {1, 4, 150, 1000, 38, 40, 37, 39, 65, 83, 1, 0, 0, 0, 0};

// ---------------------------------------------------------------------------
// Folders.

TEST(GameFoldersTest, ABuildReadsBesideItselfAndAnInstalledGameFromItsShareFolder) {
  test::TempDir root;
  bool installed = true;
  MakeContentFolder(root / "build/game");
  EXPECT_EQ(ContentFolderFor((root / "build/game").string(), "../share/boingle", &installed),
            (root / "build/game").string());
  EXPECT_FALSE(installed);

  fs::create_directories(root / "usr/bin");
  MakeContentFolder(root / "usr/share/boingle");
  EXPECT_EQ(ContentFolderFor((root / "usr/bin").string(), "../share/boingle", &installed),
            (root / "usr/share/boingle").string());
  EXPECT_TRUE(installed);

  // Nothing anywhere: the binary's own folder, where the game then names
  // what it misses.
  fs::create_directories(root / "lonely/bin");
  EXPECT_EQ(ContentFolderFor((root / "lonely/bin").string(), "../share/boingle", &installed),
            (root / "lonely/bin").string());
  EXPECT_FALSE(installed);
}

TEST(GameFoldersTest, AnInstalledGameWritesToTheUsersDataFolderEvenWhereItCouldWriteItsOwn) {
  test::TempDir root;
  EnvVar xdg("XDG_DATA_HOME", (root / "xdg").string());
  fs::create_directories(root / "usr/bin");
  MakeContentFolder(root / "usr/share/boingle");
  // The share folder is writable here (as it is for root in /usr/share).
  GameFolders installed = ChooseGameFolders((root / "usr/bin").string(), "", "");
  EXPECT_TRUE(installed.installed);
  EXPECT_EQ(installed.data, (root / "usr/share/boingle").string());
  EXPECT_EQ(installed.save, (root / "xdg/boingle").string());
  EXPECT_TRUE(fs::is_directory(root / "xdg/boingle")) << "made for the first save";

  MakeContentFolder(root / "build/game");
  GameFolders build = ChooseGameFolders((root / "build/game").string(), "", "");
  EXPECT_FALSE(build.installed);
  EXPECT_EQ(build.save, (root / "build/game").string()) << "a build keeps its files beside it";

  GameFolders chosen = ChooseGameFolders((root / "usr/bin").string(), "", (root / "mine").string());
  EXPECT_EQ(chosen.save, (root / "mine").string());
}

TEST(GameFoldersTest, TheUsersDataFolderFollowsTheXdgRules) {
  EnvVar home("HOME", "/home/player");
  {
    EnvVar xdg("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(UserDataFolder(), "/srv/data/boingle");
  }
  for (const char* unusable : {"", "relative/data"}) {
    EnvVar xdg("XDG_DATA_HOME", std::string(unusable));
    EXPECT_EQ(UserDataFolder(), "/home/player/.local/share/boingle") << '"' << unusable << '"';
  }
  EnvVar xdg("XDG_DATA_HOME", std::nullopt);
  EXPECT_EQ(UserDataFolder(), "/home/player/.local/share/boingle");
}

// ---------------------------------------------------------------------------
// The install.

// Pixels of an icon near a colour (each channel within 48).
int PixelsNear(cairo_surface_t* s, uint32_t rgb) {
  int n = 0, w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const unsigned char* d = cairo_image_surface_get_data(s);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t p = reinterpret_cast<const uint32_t*>(d + y * cairo_image_surface_get_stride(s))[x];
      if ((p >> 24) != 255) continue;
      bool near = true;
      for (int shift : {16, 8, 0})
        near = near && std::abs(int((p >> shift) & 255) - int((rgb >> shift) & 255)) <= 48;
      n += near;
    }
  return n;
}

TEST(InstallTest, TheInstalledGameFindsItsContentAndWritesOnlyInTheUsersDataFolder) {
  test::TempDir prefix, home;
  auto install =
      test::RunProgram({BOINGLE_CMAKE, "--install", BOINGLE_BUILD_DIR, "--prefix", prefix.str()});
  ASSERT_EQ(install.exitCode, 0) << install.out << install.err;

  struct stat st {};
  ASSERT_EQ(stat((prefix / "bin/boingle").c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IXUSR);
  std::set<std::string> shared;
  for (auto& e : fs::directory_iterator(prefix / "share/boingle"))
    shared.insert(e.path().filename().string());
  EXPECT_EQ(shared, (std::set<std::string>{"Data", "Fonts", "Icons", "Images", "Imagesets",
                                           "Levels", "Music", "Sound", "Tilesets"}))
      << "content only: no settings or saves of whoever played the build";
  EXPECT_TRUE(fs::is_regular_file(prefix / "share/boingle/Levels/lev_forest_1.doy"));

  std::string entry = test::ReadText(prefix / "share/applications/boingle.desktop");
  for (const char* line : {"[Desktop Entry]\n", "\nType=Application\n", "\nName=Boingle\n",
                           "\nExec=boingle\n", "\nIcon=boingle\n", "\nTerminal=false\n"})
    EXPECT_NE(entry.find(line), std::string::npos) << line;
  EXPECT_NE(entry.find("\nCategories=Game;"), std::string::npos);

  // Every size is a square of its own size with the red cap and the yellow
  // stick in it, and clear corners around the round picture.
  for (int size : {16, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    fs::path file = prefix / "share/icons/hicolor" /
                    (std::to_string(size) + "x" + std::to_string(size)) / "apps/boingle.png";
    cairo_surface_t* icon = cairo_image_surface_create_from_png(file.c_str());
    ASSERT_EQ(cairo_surface_status(icon), CAIRO_STATUS_SUCCESS) << file;
    cairo_surface_flush(icon);
    EXPECT_EQ(cairo_image_surface_get_width(icon), size);
    EXPECT_EQ(cairo_image_surface_get_height(icon), size);
    int area = size * size;
    EXPECT_GT(PixelsNear(icon, 0xE0302A), area / 60) << "the cap";
    EXPECT_GT(PixelsNear(icon, 0xFFC61A), area / 80) << "the stick";
    const uint32_t* px = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(icon));
    EXPECT_EQ(px[0] >> 24, 0u);
    cairo_surface_destroy(icon);
  }

  // Started from the prefix with no --data: the level is read from the share
  // folder, the start-up's answers are kept under XDG_DATA_HOME, and nothing
  // in the prefix changes.
  auto before = Listing(prefix.path());
  EnvVar xdg("XDG_DATA_HOME", (home / "data").string());
  EnvVar homeVar("HOME", home.str());
  test::WriteText(home / "input.txt", "1 type 4\n3 type a\n");
  auto run = test::RunProgram({(prefix / "bin/boingle").string(), "--headless", "--frames", "40",
                               "--script", (home / "input.txt").string(), "--state",
                               (home / "state.json").string(), "lev_forest_1.doy"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::string state = test::ReadText(home / "state.json");
  EXPECT_EQ(test::JsonNumber(state, "LevelId"), 426) << state;
  EXPECT_GT(test::JsonNumber(state, "CoinList"), 0) << "the level was found and loaded: " << state;
  auto config = test::ReadInts(home / "data/boingle/config.dat");
  ASSERT_EQ(config.size(), 15u);
  EXPECT_EQ(config[0], 1) << "windowed, as answered";
  EXPECT_EQ(config[1], 4) << "no music, as answered";
  EXPECT_TRUE(fs::exists(home / "data/boingle/game1.dat"));
  EXPECT_EQ(Listing(prefix.path()), before);
}

// ---------------------------------------------------------------------------
// The viewing mode of one run.

TEST(ViewingModeOptionTest, WindowedAndFullscreenChooseForOneRunAndLeaveConfigAlone) {
  test::TempDir save;
  std::vector<int32_t> stored = kChosen;
  stored[0] = 2;  // full screen
  test::WriteInts(save / "config.dat", stored);
  auto state = [&](const std::string& option) {
    std::vector<std::string> args = {
        "--data",  BOINGLE_GAME_DIR,          "--save-dir", save.str(), "--frames", "30",
        "--state", (save / "s.json").string()};
    if (!option.empty()) args.push_back(option);
    auto r = test::RunBoingle(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return test::ReadText(save / "s.json");
  };
  EXPECT_EQ(test::JsonNumber(state(""), "Windowed"), 0);
  EXPECT_EQ(test::JsonNumber(state("--windowed"), "Windowed"), 1);
  EXPECT_EQ(test::ReadInts(save / "config.dat"), stored)
      << "the game loop saved the stored choice back";
  stored[0] = 1;
  test::WriteInts(save / "config.dat", stored);
  EXPECT_EQ(test::JsonNumber(state("--fullscreen"), "Windowed"), 0);
  EXPECT_EQ(test::ReadInts(save / "config.dat"), stored);
}

TEST(ViewingModeOptionTest, AnOptionAnswersAnUnaskedPromptForThisRunOnly) {
  test::TempDir save;
  ResetSettingsToDefaults();
  std::vector<int32_t> stored = kChosen;
  stored[0] = 0;  // never chosen
  test::WriteInts(save / "config.dat", stored);
  test::StartHeadless(save.str(), "", 50);
  Options.viewingMode = 2;
  StartUp();
  EXPECT_FALSE(test::DrewText("Please select a viewing mode", false));
  EXPECT_LT(FramesPresented(), 2) << "no prompt waited for a key";
  EXPECT_EQ(GraphicsWidth(), 800);
  EXPECT_EQ(Windowed, 0);
  SaveSettings();
  EXPECT_EQ(test::ReadInts(save / "config.dat"), stored) << "the next run without the option asks";
  Windowed = 0;
}

// ---------------------------------------------------------------------------
// F12 where there are no pixels.

TEST(ScreenshotKeyTest, F12InAHeadlessRunSaysOnceThatThereIsNoPictureAndTheGameNeverSeesIt) {
  test::TempDir save;
  test::WriteInts(save / "config.dat", kChosen);
  auto r = test::RunBoingle(
      {"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--frames", "20"}, "5 tap F12\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const std::string line = "boingle: no screenshot: a headless run draws no pixels\n";
  size_t at = r.out.find(line);
  EXPECT_NE(at, std::string::npos) << r.out;
  EXPECT_EQ(r.out.find(line, at + 1), std::string::npos) << "one line per press: " << r.out;
  for (auto& e : fs::directory_iterator(save.path()))
    EXPECT_NE(e.path().extension(), ".png") << e.path();

  test::StartHeadless(save.str(), "1 down F12\n");
  for (int i = 0; i < 3; ++i) WaitFrame();
  EXPECT_EQ(KeyHeld(VK_F12), 0);
  EXPECT_EQ(KeyHit(VK_F12), 0);
}

// ---------------------------------------------------------------------------
// Focus.

class FocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    PauseState = 0;
    PauseAlpha = 0;
    FadeAlpha = 0;
    InputLocked = 0;
    test::WriteLevel(dir_, "mylevel.doy",
                     test::LevelText(0, test::BlockRow(0, 800, 480), {"400,480,120,,,,,,,,"}));
    test::WriteLevel(dir_, "retro.doy",
                     test::LevelText(6, test::BlockRow(0, 800, 480), {"100,448,120,,,,,,,,"}));
    CommandLineLevel = "mylevel.doy";
  }
  void TearDown() override { InjectFocus(true); }
  // Plays the level on the script until the frame budget (or its end).
  void Play(const std::string& script, long frames, const std::string& level = "mylevel.doy") {
    test::StartHeadless(dir_.str(), script, frames);
    CommandLineLevel = level;
    try {
      PlayLevel(LevelIds::CommandLine);
    } catch (const EndOfRun&) {
    }
  }
  test::TempDir dir_;
};

TEST_F(FocusTest, LosingFocusPausesTheLevelAndHoldsTheSoundUntilItComesBack) {
  Play("30 focus lost\n", 40);
  EXPECT_GT(PauseState, 0) << "the pause menu opened";
  EXPECT_FALSE(WindowFocused());
  EXPECT_TRUE(TheMixer().Held());

  // Back: the sound goes on, the menu stays until the player closes it, and
  // a loss while it was up opens no second one.
  Play("30 focus lost\n40 focus gained\n45 focus lost\n50 focus gained\n80 tap ESCAPE\n", 150);
  EXPECT_TRUE(WindowFocused());
  EXPECT_FALSE(TheMixer().Held());
  EXPECT_EQ(PauseState, 0);
  EXPECT_EQ(LevelExitCode, 0);
  EXPECT_EQ(FramesPresented(), 150) << "the level still runs";

  Play("30 focus lost\n40 focus gained\n", 60);
  EXPECT_EQ(PauseState, 2) << "open until the player closes it";
}

TEST_F(FocusTest, FocusLostWhereEscapeOpensNoMenuDoesNothing) {
  // A loss before the level started is not this level's.
  Play("0 focus lost\n1 focus gained\n", 40);
  EXPECT_EQ(PauseState, 0);

  // In the retro area Escape leaves; losing focus there neither pauses nor leaves.
  Play("20 focus lost\n", 40, "retro.doy");
  EXPECT_EQ(PauseState, 0);
  EXPECT_EQ(LevelExitCode, 0);

  // During the fade after "Back to Worldmap": the level ends on time.
  long endFrame = -1;
  test::StartHeadless(
      dir_.str(),
      "5 tap ESCAPE\n40 tap DOWN\n42 tap DOWN\n44 tap DOWN\n50 tap SPACE\n85 focus lost\n", 1000);
  CommandLineLevel = "mylevel.doy";
  try {
    PlayLevel(LevelIds::CommandLine);
  } catch (const EndOfRun&) {
    endFrame = FramesPresented();
  }
  EXPECT_EQ(LevelExitCode, 3);
  EXPECT_LT(endFrame, 100) << "no pause menu held the fade up";
}

TEST_F(FocusTest, LosingFocusLetsGoOfHeldKeysAndTheScriptSaysItPlainly) {
  test::StartHeadless(dir_.str(), "1 down RIGHT\n3 focus lost\n");
  WaitFrame();
  EXPECT_EQ(KeyHeld(VK_RIGHT), 1);
  for (int i = 0; i < 3; ++i) WaitFrame();
  EXPECT_EQ(KeyHeld(VK_RIGHT), 0) << "its release went to another window";
  EXPECT_TRUE(TakeFocusLoss());
  EXPECT_FALSE(TakeFocusLoss()) << "one loss, taken once";

  test::WriteText(dir_ / "bad.txt", "5 focus sideways\n");
  std::string error;
  EXPECT_FALSE(LoadInputScript((dir_ / "bad.txt").string(), &error));
  EXPECT_NE(error.find("bad.txt:1:"), std::string::npos) << error;
}

}  // namespace
