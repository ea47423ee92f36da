// The world map as a player meets it: moving along the links (only into open
// levels, one move a frame, Up before Right), the move and "no" sounds,
// entering a level through the fade, the panel's texts, the slot saved on
// opening, and the --map start with its state dump.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frame/game_loop.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/settings.h"
#include "world/sound_effects.h"
#include "worldmap/map_nodes.h"
#include "worldmap/map_stars.h"
#include "worldmap/record_time.h"
#include "worldmap/world_map.h"

namespace {

class WorldMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSettingsToDefaults();
    SetNewSlotRecords();
    BuildMapNodes();
    CurrentMapNode = 1;
    CurrentSlot = 0;
    GameState = GameStateId::WorldMap;
    MusicVolume = MusicVolumeSetting = 200;
  }
  void TearDown() override {
    SetNewSlotRecords();
    CurrentMapNode = 1;
    Coins = 0;
  }

  static void Unlock(int upTo) {
    for (int row = 1; row <= upTo; ++row) LevelRecord[row][Record::Unlocked] = 1;
  }

  // The map for at most `frames` frames (or until it is left), with the
  // script's keys; the two map sounds start silent.
  void RunMap(const std::string& script, long frames) {
    test::StartHeadless(dir_.str(), script, frames);
    LoadCatalogue();
    StopChannel(SoundChannels[Sfx::WorldmapMove]);
    StopChannel(SoundChannels[Sfx::WorldmapNo]);
    try {
      RunWorldMap();
    } catch (const EndOfRun&) {
    }
  }
  static bool Heard(int sfx) { return ChannelPlaying(SoundChannels[sfx]) != 0; }

  test::TempDir dir_;
};

TEST_F(WorldMapTest, ArrowsFollowLinksIntoOpenLevelsOnly) {
  // Only Forest I open: Right has a link (to locked Ghost I), so it is a move
  // that stays; Left has none, so it is a "no".
  RunMap("5 tap RIGHT\n", 8);
  EXPECT_EQ(CurrentMapNode, 1);
  EXPECT_TRUE(Heard(Sfx::WorldmapMove));
  EXPECT_FALSE(Heard(Sfx::WorldmapNo));
  RunMap("5 tap LEFT\n", 8);
  EXPECT_EQ(CurrentMapNode, 1);
  EXPECT_FALSE(Heard(Sfx::WorldmapMove));
  EXPECT_TRUE(Heard(Sfx::WorldmapNo));

  // Open, Right goes on to Ghost I and Down from there to Beach I.
  Unlock(6);
  RunMap("5 tap RIGHT\n8 tap DOWN\n", 12);
  EXPECT_EQ(CurrentMapNode, 6);
  EXPECT_FALSE(Heard(Sfx::WorldmapNo));

  // Up and Right in one frame on Temple I: Up counts, and only one move.
  CurrentMapNode = 5;
  RunMap("5 tap UP\n5 tap RIGHT\n", 8);
  EXPECT_EQ(CurrentMapNode, 4);
  // Desert I's Down leads back to Temple I, but not in the same frame.
  CurrentMapNode = 5;
  RunMap("5 tap UP\n5 tap DOWN\n", 8);
  EXPECT_EQ(CurrentMapNode, 4);
}

TEST_F(WorldMapTest, SpaceEntersTheLevelTwentyFramesOnAndKeysDuringTheFadeChangeIt) {
  Unlock(3);
  // Space in frame 6, Right in frame 11 while the fade runs, and Space again
  // in frame 16, which must neither restart the fade nor take the fading
  // music's volume for the player's setting.
  RunMap("5 tap SPACE\n10 tap RIGHT\n15 tap SPACE\n", 100);
  EXPECT_EQ(FramesPresented(), 25);
  EXPECT_EQ(GameState, GameStateId::Level);
  EXPECT_EQ(LevelId, LevelIds::GhostI);
  EXPECT_EQ(LevelIndex, 2);
  EXPECT_EQ(MusicFadeMode, 4);
  EXPECT_EQ(MusicVolumeSetting, 200);
  EXPECT_LT(MusicVolume, 200);

  GameState = GameStateId::WorldMap;
  RunMap("5 tap ESCAPE\n", 100);
  EXPECT_EQ(FramesPresented(), 25);
  EXPECT_EQ(GameState, GameStateId::Menu);
  EXPECT_EQ(LevelId, 0);
  EXPECT_EQ(CurrentMusicId, MusicId::Worldmap);
}

TEST_F(WorldMapTest, ALevelTheSlotHasNotOpenedIsNeverEntered) {
  // The highlight was left on Air I by another slot's visit; this slot has
  // only Forest I open.
  CurrentMapNode = 12;
  RunMap("5 tap SPACE\n", 40);
  EXPECT_EQ(CurrentMapNode, 1);
  EXPECT_EQ(LevelId, LevelIds::ForestI);

  // With no level open at all (a damaged slot) Space only says no.
  LevelRecord[1][Record::Unlocked] = 0;
  GameState = GameStateId::WorldMap;
  LevelId = 0;
  RunMap("5 tap SPACE\n", 40);
  EXPECT_EQ(GameState, GameStateId::WorldMap);
  EXPECT_TRUE(Heard(Sfx::WorldmapNo));
}

TEST_F(WorldMapTest, OpeningSavesTheSlotAndReadsTheUnlocksFromIt) {
  CurrentSlot = 2;
  Unlock(3);
  LevelRecord[3][Record::Completed] = 1;
  test::StartHeadless(dir_.str());
  LoadCatalogue();
  std::filesystem::remove(dir_ / "game2.dat");
  RunMap("", 1);
  ASSERT_TRUE(std::filesystem::exists(dir_ / "game2.dat")) << "saved even with nothing new";
  SetNewSlotRecords();
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(LevelRecord[3][Record::Completed], 1);
  for (const TMapNode& n : MapNodes) EXPECT_EQ(n.unlocked, n.number <= 3 ? 1 : 0) << n.name;

  // Locked markers are drawn grey and half clear, open ones white.
  int grey = 0, white = 0;
  for (const DrawRecord& d : LastFrameDraws()) {
    if (d.kind != DrawKind::Image || d.image != ImgMarker) continue;
    if (d.state.r == 128 && d.state.alpha == 0.5f) ++grey;
    if (d.state.r == 255 && d.state.alpha == 1.0f) ++white;
  }
  EXPECT_EQ(white, 3);
  EXPECT_EQ(grey, 11);
}

TEST_F(WorldMapTest, ThePanelShowsTheCurrentLevel) {
  Unlock(11);
  CurrentMapNode = 11;
  LevelRecord[11][Record::Statue2] = 1;
  LevelRecord[11][Record::BestTime] = 65050;
  LevelRecord[11][Record::SecondTime] = 0;
  Coins = 7;
  Lives = 4;
  RunMap("", 3);
  EXPECT_TRUE(test::DrewText("Mountain I"));
  EXPECT_TRUE(test::DrewText("1) 01:05:50"));
  EXPECT_TRUE(test::DrewText("2) 00:00:0"));
  EXPECT_TRUE(test::DrewText("3) --:--:---"));
  EXPECT_TRUE(test::DrewText(" x 7"));
  EXPECT_TRUE(test::DrewText(" x 4"));
  std::vector<float> statueAlpha;
  for (const DrawRecord& d : LastFrameDraws())
    if (d.kind == DrawKind::Image && d.image == ImgItemStatue) statueAlpha.push_back(d.state.alpha);
  ASSERT_EQ(statueAlpha.size(), 3u);
  EXPECT_FLOAT_EQ(statueAlpha[0], 0.1f);
  EXPECT_FLOAT_EQ(statueAlpha[1], 1.0f);
  Lives = 10;
}

TEST(RecordTime, TimesReadAsThePanelHasAlwaysShownThem) {
  EXPECT_EQ(FormatRecordTime(kNoTime), "--:--:---");
  EXPECT_EQ(FormatRecordTime(2000000000), "--:--:---");
  EXPECT_EQ(FormatRecordTime(0), "00:00:0");
  EXPECT_EQ(FormatRecordTime(65050), "01:05:50");
  EXPECT_EQ(FormatRecordTime(600000), "10:00:0");
  EXPECT_EQ(FormatRecordTime(59999), "00:59:999");
  EXPECT_EQ(FormatRecordTime(9 * 60000 + 9000 + 7), "09:09:7");
  EXPECT_EQ(FormatRecordTime(100 * 60000), "100:00:0");
}

TEST_F(WorldMapTest, StarsFillTheSkyAndKeepDriftingIn) {
  RunMap("", 1);
  ASSERT_GE(MapStars.size(), 25u);
  for (const TMapStar& s : MapStars) {
    EXPECT_LT(s.x, 800);
    EXPECT_FLOAT_EQ(s.speed, s.scale * 0.33f);
  }
  // A new star comes at most 1200 ms after the last; the opening's slowest
  // ones are still on screen after two seconds.
  RunMap("", 150);
  int entered = 0;
  for (const TMapStar& s : MapStars) entered += s.x > 800 - 150 * 0.33f ? 1 : 0;
  EXPECT_GE(entered, 1);
  EXPECT_GE(MapStars.size(), 26u);
}

// The program started with --map: the scratch slot, straight onto the map.
TEST(WorldMapStart, MapOptionStartsOnTheMapInTheScratchSlot) {
  test::TempDir save;
  auto run = [&](const std::vector<std::string>& extra, const std::string& script = "") {
    std::vector<std::string> args = {"--data",     BOINGLE_GAME_DIR,
                                     "--save-dir", save.str(),
                                     "--frames",   "30",
                                     "--state",    (save / "state.json").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    test::RunResult r = test::RunBoingle(args, script);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return test::ReadText(save / "state.json");
  };
  // The start-up questions answered once: no music, a window.
  test::RunBoingle({"--data", BOINGLE_GAME_DIR, "--save-dir", save.str(), "--frames", "10"},
                   "1 type 4\n3 type a\n");

  std::string state = run({"--map"});
  EXPECT_EQ(test::JsonNumber(state, "GameState"), GameStateId::WorldMap);
  EXPECT_EQ(test::JsonNumber(state, "MapNode"), 1);
  EXPECT_NE(state.find("\"MapUnlocked\": [1]"), std::string::npos) << state;
  EXPECT_EQ(test::JsonNumber(state, "Lives"), 10);
  EXPECT_TRUE(std::filesystem::exists(save / "game0.dat"));

  // A scratch slot with four levels open and three lives is read back.
  std::string slot = "File 0\r\n3\r\n";
  for (int k = 0; k < 8; ++k) slot += "\r\n";
  auto number = [&](int32_t v) {
    for (int i = 0; i < 4; ++i)
      slot.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 255));
  };
  for (int row = 0; row < kLevelRecords; ++row)
    for (int c = 0; c < kRecordColumns; ++c)
      number(c == Record::Row                                  ? row
             : c == Record::Unlocked                           ? (row >= 1 && row <= 4)
             : c >= Record::BestTime && c <= Record::ThirdTime ? kNoTime
                                                               : 0);
  number(kSlotEndMarker);
  number(0);
  test::WriteText(save / "game0.dat", slot);
  state = run({"--map"}, "5 tap RIGHT\n");
  EXPECT_NE(state.find("\"MapUnlocked\": [1, 2, 3, 4]"), std::string::npos) << state;
  EXPECT_EQ(test::JsonNumber(state, "MapNode"), 2);
  EXPECT_EQ(test::JsonNumber(state, "Lives"), 3);

  // The level list starts the level state with the list's level id.
  state = run({"--level-list"});
  EXPECT_EQ(test::JsonNumber(state, "GameState"), GameStateId::Level);
  EXPECT_EQ(test::JsonNumber(state, "LevelId"), LevelIds::List);

  test::RunResult both = test::RunBoingle({"--map", "lev_forest_1.doy"});
  EXPECT_EQ(both.exitCode, 2);
  EXPECT_NE(both.err.find("cannot go together"), std::string::npos) << both.err;
}

}  // namespace
