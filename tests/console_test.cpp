// The developer console: commands, printed values, the log and the input line.
#include <gtest/gtest.h>

#include "world/game_state.h"
#include "world/settings.h"
#include "player/console.h"
#include "world/player_state.h"
#include "present/present.h"
#include "support/test_support.h"

namespace {

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override { test::StartHeadless(dir_.str()); }
  const std::string& Newest() { return ConsoleLogLine(kConsoleLogLines - 1); }
  test::TempDir dir_;
};

TEST_F(ConsoleTest, CommandsShowAndSetVariables) {
  float keep = P_DASH_SPEED;
  ConsoleExecute("p_dash_speed 12");
  EXPECT_FLOAT_EQ(P_DASH_SPEED, 12);
  EXPECT_EQ(Newest(), "P_DASH_SPEED = 12.0000000");
  P_DASH_SPEED = keep;
  ConsoleExecute("P_X_BOUNCE_THRESH");
  EXPECT_EQ(Newest().rfind("P_BOUNCE_THRESH = ", 0), 0u);
  P_XS_RATE = 0.4f;
  ConsoleExecute("P_XS_RATE");
  EXPECT_EQ(Newest(), "P_XS_RATE = 0.400000006");
  P_XS_DECEL = 0.2f;
  ConsoleExecute("P_XS_DECEL 0");  // zero cannot be set: the value is shown
  EXPECT_FLOAT_EQ(P_XS_DECEL, 0.2f);
  EXPECT_EQ(Newest(), "P_XS_DECEL = 0.200000003");
  ConsoleExecute("foo");
  EXPECT_EQ(Newest(), "FOO... what?!");
  ConsoleExecute("WRITE 5");
  EXPECT_EQ(Newest(), "WRITE... what?!");
  ConsoleExecute("SHOW_ALL");
  EXPECT_EQ(Newest(), "---------------------------");
  EXPECT_EQ(ConsoleLogLine(kConsoleLogLines - 2).rfind("P_LOW_BOUNCE = ", 0), 0u);
}

TEST_F(ConsoleTest, WriteDumpsSixteenLines) {
  ConsoleExecute("write");
  EXPECT_EQ(Newest(), "File written!");
  std::string dump = test::ReadText(dir_ / "console_output.txt");
  int lines = 0;
  for (size_t at = 0; (at = dump.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  EXPECT_EQ(lines, 16);
  EXPECT_EQ(dump.rfind("---------------------------\r\nP_X = ", 0), 0u);
}

TEST_F(ConsoleTest, TheLogKeepsTheLast25Lines) {
  for (int i = 0; i < 26; ++i) ConsolePrint("line " + std::to_string(i));
  EXPECT_EQ(ConsoleLogLine(0), "line 1");
  EXPECT_EQ(Newest(), "line 25");
}

TEST_F(ConsoleTest, TheInputLineTakesFortyCharactersAndRunsOnEnter) {
  ConsoleInput.text.clear();
  for (int i = 0; i < 41; ++i) {
    InjectChar('a');
    ConsoleInput.Update();
  }
  EXPECT_EQ(ConsoleInput.text.size(), 40u);
  ConsoleInput.text = "abc";
  InjectChar(VK_TAB);
  ConsoleInput.Update();
  EXPECT_EQ(ConsoleInput.text, "abc     ");
  InjectChar(VK_BACKSPACE);
  ConsoleInput.Update();
  EXPECT_EQ(ConsoleInput.text, "abc    ");
  ConsoleInput.text = "p_low_bounce -3";
  InjectChar(VK_ENTER);
  ConsoleInput.Update();
  EXPECT_TRUE(ConsoleInput.text.empty());
  EXPECT_FLOAT_EQ(P_LOW_BOUNCE, -3);
  P_LOW_BOUNCE = -2;
}

TEST_F(ConsoleTest, F1OpensItAndEscapeClosesItWithoutPausing) {
  ConsoleOpen = 0;
  InjectKey(VK_F1, true);
  ConsoleCheckOpenKey();
  EXPECT_EQ(ConsoleOpen, 1);
  EXPECT_EQ(InputLocked, 1);
  EscapeHit = 1;
  ConsoleFrame();
  EXPECT_EQ(ConsoleOpen, 0);
  EXPECT_EQ(InputLocked, 0);
  EXPECT_EQ(EscapeHit, 0);  // the same Escape must not open the pause menu
  InjectKey(VK_OEM_3, true);
  InjectChar('`');
  ConsoleCheckOpenKey();
  EXPECT_EQ(ConsoleOpen, 1);
  ConsoleInput.text.clear();
  ConsoleFrame();
  EXPECT_TRUE(ConsoleInput.text.empty());  // the opening key is not typed
  ConsoleOpen = 0;
  InputLocked = 0;
}

TEST_F(ConsoleTest, EscapeClosesItWithoutTypingIntoTheLine) {
  // Escape arrives as a press and, as from a real keyboard, a typed 27.
  auto press = [](int key, int typed) {
    InjectKey(key, true);
    if (typed) InjectChar(typed);
    GatherKeys();
    ConsoleCheckOpenKey();
    if (ConsoleOpen) ConsoleFrame();
    InjectKey(key, false);
  };
  float keep = P_X;
  ConsoleOpen = 0;
  ConsoleInput.text.clear();
  press(VK_F1, 0);
  press(VK_ESCAPE, 27);
  EXPECT_EQ(ConsoleOpen, 0);
  EXPECT_EQ(ConsoleInput.text, "");
  press(VK_F1, 0);
  for (char c : std::string("P_X 5")) press(c == '_' ? 189 : c, c);
  press(VK_ENTER, VK_ENTER);
  EXPECT_EQ(Newest(), "P_X = 5.00000000");
  EXPECT_FLOAT_EQ(P_X, 5);
  P_X = keep;
  ConsoleOpen = 0;
  InputLocked = 0;
}

}  // namespace
