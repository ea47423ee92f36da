// The scenes that close a game: game over, the continue question, "To be
// Continued..." and the credits, run headless through their own loops.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frontend/continue_prompt.h"
#include "frontend/credits.h"
#include "frontend/game_over.h"
#include "frontend/rising_stars.h"
#include "frontend/to_be_continued.h"
#include "frame/game_loop.h"
#include "present/present.h"
#include "support/test_support.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/settings.h"

namespace {

class ClosingScenesTest : public ::testing::Test {
 protected:
  void Start(const std::string& script = "", long budget = -1) {
    test::StartHeadless(dir_.str(), script, budget);
    LoadCatalogue();
    ResetSettingsToDefaults();
    SetNewGameProgress();
    CurrentSlot = 2;
    InputLocked = 0;
    FadeAlpha = 0;
  }
  void TearDown() override {
    CurrentSlot = 0;
    SetNewGameProgress();
  }
  // Runs a scene; the frame it ended in, or -1 when the budget ran out first.
  long Run(void (*scene)()) {
    try {
      scene();
    } catch (const EndOfRun&) {
      return -1;
    }
    return FramesPresented();
  }
  // The last draw of this picture in the frame last shown (of any picture
  // when null).
  const DrawRecord* LastImage(const Image* image = nullptr) {
    const DrawRecord* found = nullptr;
    for (const DrawRecord& d : LastFrameDraws())
      if (d.kind == DrawKind::Image && (!image || d.image == image)) found = &d;
    return found;
  }
  test::TempDir dir_;
};

// Frames a fade of `step` a frame takes from 1 to below 0.
int FadeFrames(float step) {
  float a = 1.0f;
  int n = 0;
  while (a >= 0) {
    a -= step;
    ++n;
  }
  return n;
}

// Frames a black cover rising by `step` a frame takes from 0 to above 1.
int RiseFrames(float step) {
  float a = 0.0f;
  int n = 0;
  while (a <= 1.0f) {
    a += step;
    ++n;
  }
  return n;
}

TEST_F(ClosingScenesTest, GameOverShowsFourSecondsBetweenItsFadesThenAsksToContinue) {
  Start("", 2000);
  FadeAlpha = 1.05f;  // where the hero's death left the level's fade
  long end = Run(&RunGameOver);
  EXPECT_EQ(GameState, GameStateId::Continue);
  EXPECT_EQ(CurrentMusicId, MusicId::GameOver);
  EXPECT_TRUE(test::DrewText("GAME OVER!"));
  // Two fades of 0.02 and more than 4000 ms (241 frames) between them.
  int fades = FadeFrames(0.02f) + RiseFrames(0.02f);
  EXPECT_GE(end, fades + 241);
  EXPECT_LE(end, fades + 243);
}

TEST_F(ClosingScenesTest, ContinueTakesSpaceOnlyOnceAChoiceIsMadeAndMovesTheHeroHalfwayEachFrame) {
  // Space at 60 comes before any choice; Right at 70, Left at 72.
  Start("60 tap SPACE\n70 tap RIGHT\n72 tap LEFT\n", 73);
  EXPECT_EQ(Run(&RunContinuePrompt), -1);
  // Frame 71: (400 + 600) / 2 = 500; 72: 550; 73, heading left: (550 + 200) / 2.
  const DrawRecord* hero = LastImage(ImgQuonDead);
  ASSERT_NE(hero, nullptr);
  EXPECT_EQ(hero->x, 375);
  EXPECT_TRUE(test::DrewText("=("));
  EXPECT_FALSE(test::DrewText("=)"));

  // Space before a choice leaves the question standing: the scene ends only
  // after the one that answers it.
  Start("60 tap SPACE\n200 tap RIGHT\n210 tap SPACE\n", 1000);
  Lives = 0;
  long end = Run(&RunContinuePrompt);
  EXPECT_EQ(end, 211 + RiseFrames(0.02f) - 1);
  EXPECT_EQ(GameState, GameStateId::WorldMap);
  EXPECT_EQ(Lives, 5);
  Lives = 1;
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(Lives, 5) << "saved into the current slot";

  Start("60 tap LEFT\n70 tap SPACE\n", 1000);
  Lives = 0;
  EXPECT_GT(Run(&RunContinuePrompt), 0);
  EXPECT_EQ(GameState, GameStateId::Menu);
  EXPECT_EQ(Lives, 5);
}

TEST_F(ClosingScenesTest, ToBeContinuedSwitchesOffTheLastFrameThenFadesItsWordsInAndOut) {
  // The first frame copies the picture before anything is cleared.
  Start("", 1);
  PlayMusic(MusicId::Forest);
  Run(&RunToBeContinued);
  const auto& first = LastFrameDraws();
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.front().kind, DrawKind::Grab);
  const Image* copy = first.front().image;
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->width, 800);
  EXPECT_EQ(copy->height, 600);
  EXPECT_FLOAT_EQ(copy->handleX, 400);

  // Flattened first, then narrowed, fading by 0.01 a frame.
  Start("", 20);
  Run(&RunToBeContinued);
  const DrawRecord* tv = LastImage();
  ASSERT_NE(tv, nullptr);
  EXPECT_FLOAT_EQ(tv->state.scaleX, 1.0f);
  EXPECT_NEAR(tv->state.scaleY, std::max(0.01, std::pow(0.8, 20)), 1e-4);
  EXPECT_NEAR(tv->state.alpha, 0.8f, 1e-4);
  EXPECT_EQ(tv->x, 400);
  EXPECT_EQ(tv->y, 300);
  Start("", 50);
  Run(&RunToBeContinued);
  tv = LastImage();
  ASSERT_NE(tv, nullptr);
  EXPECT_LT(tv->state.scaleX, 0.2f) << "narrowing after 500 ms";
  EXPECT_FLOAT_EQ(tv->state.scaleY, 0.01f);

  Start("", 301 + 200 + 100);  // the words held at full strength
  Run(&RunToBeContinued);
  ASSERT_TRUE(test::DrewText("To be Continued..."));
  for (const DrawRecord& d : LastFrameDraws()) {
    if (d.kind != DrawKind::Text) continue;
    EXPECT_FLOAT_EQ(d.state.alpha, 1.0f);
  }

  Start("", 2000);
  long end = Run(&RunToBeContinued);
  EXPECT_EQ(GameState, GameStateId::Credits);
  // 5000 ms of switch-off and black, the words in and out at 0.005 a frame
  // with 3000 ms between.
  EXPECT_GE(end, 301 + 200 + 181 + 200);
  EXPECT_LE(end, 301 + 200 + 181 + 200 + 6);
}

TEST_F(ClosingScenesTest, TheCreditsWaitForEscapeThenSaveAndEndTheGame) {
  // Escape during the fade-in is not yet the way out.
  Start("20 tap ESCAPE\n", 150);
  Lives = 4;
  EXPECT_EQ(Run(&RunCredits), -1);
  EXPECT_EQ(CurrentMusicId, MusicId::Credits);
  EXPECT_TRUE(test::DrewText("CREDITS"));
  // The thanks: wrapped 400 wide from (200, 200), a line every 16 pixels.
  SetImageFont(FontSmall);
  int lines = 0;
  float y = 200;
  for (const DrawRecord& d : LastFrameDraws()) {
    if (d.kind != DrawKind::Text || d.y < 200 || d.y > 560) continue;
    EXPECT_EQ(d.x, 200);
    EXPECT_EQ(d.y, y);
    EXPECT_EQ(d.state.font, FontSmall);
    std::string text = d.text;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    EXPECT_LE(TextWidth(text), 400) << text;
    y += 16;
    ++lines;
  }
  EXPECT_GE(lines, 10);
  EXPECT_GE(StarList.size(), 50u);

  Start("20 tap ESCAPE\n100 tap ESCAPE\n", 1000);
  Lives = 4;
  long end = Run(&RunCredits);
  EXPECT_EQ(GameState, GameStateId::Quit);
  EXPECT_EQ(end, 101 + RiseFrames(0.005f)) << "Escape in frame 101, the fade from the next";
  EXPECT_EQ(MusicFadeMode, 5) << "the tune fades with the picture";
  Lives = 9;
  ASSERT_TRUE(LoadSlot(2));
  EXPECT_EQ(Lives, 4) << "saved as the game ended";
}

}  // namespace
