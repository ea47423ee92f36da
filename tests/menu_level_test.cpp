// The main menu as a level: its keys, the slot door and its barrier, the
// wipe key, Escape's fade, and the completion summary of a game file.
#include <gtest/gtest.h>

#include <string>

#include "frontend/completion_summary.h"
#include "frontend/menu_buttons.h"
#include "frontend/menu_door.h"
#include "frontend/menu_level.h"
#include "player/pogo_physics.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/music.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/settings.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

namespace {

// Once the title card lets go of the keys: Left and Up held.
constexpr const char* kLeftInHighBounces = "70 down LEFT\n70 down UP\n";

class MenuTest : public ::testing::Test {
 protected:
  void Start(const std::string& script = "", long budget = -1) {
    test::StartHeadless(dir_.str(), script, budget);
    LoadCatalogue();
    ResetSettingsToDefaults();
    SetNewGameProgress();
    PickedSlot = 0;
    LoadedSlot = 0;
    CurrentSlot = 0;
    MenuSummaryKnown = false;
    InputLocked = 0;
    FadeAlpha = 0;
  }
  void TearDown() override {
    MenuButtonList.clear();
    ResetLevel();
    PickedSlot = LoadedSlot = CurrentSlot = 0;
    InputLocked = 0;
    FadeAlpha = 0;
  }
  // The menu as the game runs it; false when the frame budget ended it.
  bool RunMenuUntilBudget() {
    GameState = GameStateId::Menu;
    try {
      RunMenu();
    } catch (const EndOfRun&) {
      return false;
    }
    return true;
  }
  int PlayingEffects() {
    int playing = 0;
    for (int i = 0; i < kSoundCount; ++i) playing += ChannelPlaying(SoundChannels[i]);
    return playing;
  }
  void StopEffects() {
    for (int c : SoundChannels) StopChannel(c);
  }
  bool BarrierBlocks() {
    int found = 0;
    for (const TCollisionBlock& b : CollisionBlocks)
      if (b.x == kBarrierX && b.y >= kBarrierTopY && b.y < kBarrierTopY + kBarrierCells * kTileSize &&
          b.kind == static_cast<int>(BlockKind::Solid))
        ++found;
    return found == kBarrierCells;
  }
  test::TempDir dir_;
};

// ---------------------------------------------------------------- the keys

TEST_F(MenuTest, VolumeKeysStopAtTheirLimitsAndTheSoundKeysStillPlayTheirSample) {
  Start();
  SoundVolume = 1.0f;
  StopEffects();
  DoMenuAction(static_cast<int>(MenuAction::SoundUp), 0);
  EXPECT_FLOAT_EQ(SoundVolume, 1.0f);
  EXPECT_EQ(PlayingEffects(), 1) << "the sample of the volume it stays at";

  SoundVolume = 0.0f;
  StopEffects();
  DoMenuAction(static_cast<int>(MenuAction::SoundDown), 0);
  EXPECT_FLOAT_EQ(SoundVolume, 0.0f);
  EXPECT_EQ(PlayingEffects(), 1);

  MusicVolume = MusicVolumeSetting = 300;
  DoMenuAction(static_cast<int>(MenuAction::MusicUp), 0);
  EXPECT_EQ(MusicVolume, 300);
  MusicVolume = MusicVolumeSetting = 0;
  DoMenuAction(static_cast<int>(MenuAction::MusicDown), 0);
  EXPECT_EQ(MusicVolume, 0);
  MusicVolume = MusicVolumeSetting = 200;
}

// The foot probe can rest on a key for several sub-steps of one landing: the
// key acts when the probe comes onto it, once.
TEST_F(MenuTest, AKeyActsOnceEachTimeTheHeroComesDownOnIt) {
  Start();
  BuildMenuButtons();
  PickedSlot = 0;
  MusicVolume = MusicVolumeSetting = 150;
  auto probeAt = [](float x, float y) { FootProbe = {x - 11, y - 2, x + 11, y}; };
  probeAt(1040, 545);  // on music down (1024..1056)
  for (int subStep = 0; subStep < 4; ++subStep) MenuButtonContacts();
  EXPECT_EQ(MusicVolume, 120);
  probeAt(1040, 500);  // up in the air
  MenuButtonContacts();
  probeAt(1040, 544);
  MenuButtonContacts();
  EXPECT_EQ(MusicVolume, 90) << "the next bounce counts again";

  // In the menu level itself, with the real bounce: one step per landing.
  LoadLevel("f_menu.doy");
  BuildMenuButtons();
  SetPlayerPosition(1040, 520);
  MusicVolume = MusicVolumeSetting = 300;
  int landings = 0;
  for (int frame = 0; frame < 220; ++frame) {
    float before = P_YS;
    PlayerPhysicsStep();
    if (before > 0 && P_YS < 0) ++landings;
  }
  ASSERT_GE(landings, 3);
  EXPECT_EQ(MusicVolume, 300 - 30 * landings);

  // Out of the menu the spots are plain floor.
  MenuButtonList.clear();
  int volume = MusicVolume;
  for (int frame = 0; frame < 120; ++frame) PlayerPhysicsStep();
  EXPECT_EQ(MusicVolume, volume);
  MusicVolume = MusicVolumeSetting = 200;
}

// ---------------------------------------------------------------- the door

TEST_F(MenuTest, TheDoorLoadsAPickedSlotOnceAndNothingForTheSlotAlreadyLoaded) {
  Start();
  SetNewGameProgress();
  Lives = 3;
  LevelRecord[1][Record::Completed] = 1;
  SaveSlot(2);
  // Slot 3 is damaged: its end marker comes after two records.
  std::string head = "File 3\r\n4\r\n";
  for (int i = 0; i < 8; ++i) head += "\r\n";
  test::WriteText(dir_ / "game3.dat", head);
  std::vector<int32_t> numbers;
  for (int row = 0; row < 2; ++row)
    for (int c = 0; c < kRecordColumns; ++c) numbers.push_back(c == 0 ? row : (c == 1 ? 1 : 0));
  numbers.push_back(kSlotEndMarker);
  numbers.push_back(77);
  std::vector<uint8_t> bytes = test::ReadBytes(dir_ / "game3.dat");
  test::WriteInts(dir_ / "numbers", numbers);
  std::vector<uint8_t> tail = test::ReadBytes(dir_ / "numbers");
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  test::WriteText(dir_ / "game3.dat", std::string(bytes.begin(), bytes.end()));

  SetNewGameProgress();
  Lives = 9;
  SetPlayerPosition(-752, 544);  // in the doorway
  PickedSlot = 2;
  MenuDoorStep();
  EXPECT_EQ(LoadedSlot, 2);
  EXPECT_EQ(CurrentSlot, 2) << "the game saves into the slot it loaded";
  EXPECT_EQ(Lives, 3);
  EXPECT_EQ(MenuSummary.levels, 1);
  EXPECT_EQ(MenuSummaryText().rfind("Game File: 2#", 0), 0u) << MenuSummaryText();

  Lives = 7;  // progress made since
  MenuDoorStep();
  EXPECT_EQ(Lives, 7) << "the loaded slot is not loaded again";

  LevelRecord[5][Record::Completed] = 1;  // slot 2's progress, in memory
  PickedSlot = 3;
  MenuDoorStep();
  EXPECT_EQ(CurrentSlot, 3);
  EXPECT_EQ(Lives, 4);
  EXPECT_EQ(Score, 77);
  EXPECT_EQ(LevelRecord[5][Record::Completed], 0) << "rows the file lacks start new, not as slot 2's";
}

TEST_F(MenuTest, WithNoSlotPickedTheBarrierHoldsTheDoorShut) {
  // Holding Left and Up from the start: the hero crosses the slot room in
  // high bounces and meets the barrier without coming down on a slot key.
  Start(kLeftInHighBounces, 400);
  EXPECT_FALSE(RunMenuUntilBudget());
  ASSERT_EQ(PickedSlot, 0) << "the route landed on a slot key";
  EXPECT_TRUE(BarrierUp);
  EXPECT_TRUE(BarrierBlocks());
  EXPECT_GT(P_X, -736) << "past the door";
  EXPECT_EQ(LoadedSlot, 0);
  EXPECT_NEAR(CameraX, -768, 1) << "the slot room's view";
  bool drawn = false;
  for (const DrawRecord& d : LastFrameDraws()) drawn |= d.kind == DrawKind::Image && d.image == ImgMenuBarrier;
  EXPECT_TRUE(drawn);
}

// Back in the menu with a slot picked earlier, the barrier stays open, the
// door loads the slot, and the far left exit leads onto the world map.
TEST_F(MenuTest, APickedSlotOpensTheWayThroughTheDoorToTheWorldMap) {
  Start(kLeftInHighBounces, 400);
  PickedSlot = 1;
  EXPECT_FALSE(RunMenuUntilBudget());
  EXPECT_FALSE(BarrierUp);
  EXPECT_FALSE(BarrierBlocks());
  EXPECT_LT(P_X, -800);
  EXPECT_EQ(LoadedSlot, 1);
  EXPECT_EQ(CurrentSlot, 1);
  EXPECT_LT(CameraX, -1100) << "gliding into the summary room";
  MenuButtonList.clear();
  ResetLevel();

  Start(kLeftInHighBounces, 700);
  PickedSlot = 1;
  LoadedSlot = 1;
  EXPECT_TRUE(RunMenuUntilBudget()) << "the exit was not reached";
  EXPECT_EQ(GameState, GameStateId::WorldMap);
  EXPECT_TRUE(MenuButtonList.empty()) << "the keys stay in the menu";
  EXPECT_TRUE(CollisionBlocks.empty()) << "the menu level is gone";
}

TEST_F(MenuTest, EscapeFadesToTheEndAndASecondEscapeDoesNotStartItAgain) {
  Start("80 tap ESCAPE\n90 tap ESCAPE\n", 400);
  EXPECT_TRUE(RunMenuUntilBudget());
  EXPECT_EQ(GameState, GameStateId::Quit);
  // Seen in frame 81 at 0.01, over 1.0 after twenty steps of 0.05.
  EXPECT_EQ(FramesPresented(), 100);
  EXPECT_EQ(MusicFadeMode, 11);
}

// ---------------------------------------------------------------- wiping a slot

TEST_F(MenuTest, WipingTheLoadedSlotStaysWipedThroughTheNextSave) {
  Start();
  EXPECT_FALSE(ResetLoadedSlot()) << "no slot loaded yet: nothing to wipe";
  LoadedSlot = 1;
  SetNewGameProgress();
  Lives = 2;
  Score = 500;
  LevelRecord[3][Record::Completed] = 1;
  SaveSlot(1);

  EXPECT_TRUE(ResetLoadedSlot());
  EXPECT_EQ(Lives, 10);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(LevelRecord[3][Record::Completed], 0);
  EXPECT_EQ(MenuSummary.levels, 0) << "the summary shows the wiped file";
  SaveSlot(1);  // what the game loop does next
  Lives = 1;
  LevelRecord[3][Record::Completed] = 1;
  ASSERT_TRUE(LoadSlot(1));
  EXPECT_EQ(Lives, 10);
  EXPECT_EQ(LevelRecord[3][Record::Completed], 0);
}

// ---------------------------------------------------------------- the summary

TEST(CompletionSummary, AFullGameIsExactlyAHundredAndAnEmptyOneNothing) {
  SetNewGameProgress();
  CompletionSummary empty = ComputeCompletionSummary();
  EXPECT_EQ(empty.percent, 0);
  EXPECT_EQ(CompletionSummaryText(1, empty), "Game File: 1#0% complete##0/14 Levels#0/42 Statues#0/14 Secrets#");

  for (int row = 1; row <= kMapLevelCount; ++row) {
    LevelRecord[row][Record::Completed] = 1;
    for (int k = 0; k < 3; ++k) LevelRecord[row][Record::Statue1 + k] = 1;
    LevelRecord[row][Record::SecretFound] = 1;
  }
  // The tutorial and the rows past the map are not part of the count.
  LevelRecord[15][Record::Completed] = 1;
  LevelRecord[0][Record::SecretFound] = 1;
  CompletionSummary full = ComputeCompletionSummary();
  EXPECT_EQ(full.percent, 100);
  EXPECT_EQ(CompletionSummaryText(3, full), "Game File: 3#100% complete##14/14 Levels#42/42 Statues#14/14 Secrets#");

  LevelRecord[7][Record::Statue2] = 0;
  EXPECT_EQ(ComputeCompletionSummary().percent, 99) << "one statue short is not everything";
  // A damaged file's odd flag counts once.
  LevelRecord[7][Record::Statue2] = 5;
  EXPECT_EQ(ComputeCompletionSummary().percent, 100);

  SetNewGameProgress();
  LevelRecord[1][Record::Completed] = 1;  // one level: 4 of 126 points
  LevelRecord[1][Record::Statue1] = 1;
  EXPECT_EQ(ComputeCompletionSummary().percent, 3);
  SetNewGameProgress();
}

}  // namespace
