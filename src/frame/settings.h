// The settings file "config.dat" and the six key bindings, and the per-frame
// key flags that all game code reads instead of the keyboard.
#pragma once

// Stored settings (fifteen 32-bit numbers in "config.dat"; the music and sound
// volumes live with the music and effects code).
extern int ViewingMode;      // 0 not chosen, 1 window, 2 full screen
extern int SoundOutputType;  // 0 not chosen, 1-3 a sound output, 4 no music
extern int KeyUp, KeyDown, KeyLeft, KeyRight, KeyJump, KeyAttack;
extern int IntroSeen;  // the new-world intro has been left once
extern int Cut1Seen;   // the first cutscene has started once
extern int ExtraFlags[3];  // stored and read back, used by nothing

// Per-frame key flags, filled by GatherKeys: hit counts and down flags of the
// bound keys (0 while InputLocked), plus Escape and Space hits (always read).
extern int AttackHit, AttackDown, JumpHit, JumpDown, LeftHit, LeftDown;
extern int RightHit, RightDown, UpHit, UpDown, DownHit, DownDown;
extern int EscapeHit, SpaceHit;

constexpr const char* kSettingsFile = "config.dat";
constexpr const char* kSettingsBackup = "config.dat.bak";

void EnsureSettings();
// Reads the file; false (and nothing changed) when it is missing or short.
bool LoadSettings();
void SaveSettings();
void GatherKeys();
// Only the Escape and Space hits, which count while input is locked too.
void GatherEscapeAndSpace();
void RunKeyConfig();
// The built-in values a run starts with before any file is read.
void ResetSettingsToDefaults();
