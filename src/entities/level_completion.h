// How a level ends well: the exit box and its end sequence ("Finished! :D",
// the time of the last timed run, "Press Space", the fade), the timed run
// between two gates with the level's three best times, the secret box and
// the warp box.
#pragma once

#include <string>

// The end sequence: 0 none, 1 exit touched, 2 text fading in, 3 waiting for
// Space, 4 text fading out, 5 fading to black. Effects are silent while it
// is above 0.
extern int TallyState;
extern float EndTextAlpha, EndOverlayAlpha;
extern int EndStamp;
extern std::string EndLine;
constexpr const char* kEndTitle = "Finished! :D";

// The timed run: 0 waiting at the start gate, 1 running, 2 finished.
extern int RunState;
extern int RunStart, RunEnd, RunTime, RunSeconds, RunMillis;
// The place the last finished run took among the best times (0 none).
extern int RunPlace;
extern int BestTimes[3];  // milliseconds, best first
extern int SecretFound;

void ExitBoxCheck();
void SecretBoxCheck();
void WarpBoxStep();
// Frame step 18 is the timer gates, the watch tick and score roll (HUD), then
// the end sequence's logic and its drawing.
void TimerGatesStep();
void LevelEndStep();
// Offers a run time to the best three; returns its place (1-3) or 0.
int OfferBestTime(int ms);
void LoadLevelCompletionRecord();
void StoreBestTimes();
int LevelSecretFound();
