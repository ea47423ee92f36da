// Steps of the level frame and the start-up that belong to subsystems still
// being built. Each has a do-nothing stand-in (pending_steps.cpp) that the real
// definition replaces at link time; as a subsystem lands, its header takes the
// declaration's place here.
#pragma once

#include <string>
#include <vector>

// Music and sound effects.
extern int MusicVolume, MusicVolumeSetting, MusicFadeMode;
extern float SoundVolume;
void PlayMusic(int id);
void RestoreMusicVolume();
void UpdateMusicFade();
void SetSfxVolume(float volume);
void SetMusicVolume(int volume);
void StartMusicFadeOut();
void PlaySfx(int index, int vary);
void RenewSfxChannel(int index);
void SfxVolumeUp();
void SfxVolumeDown();
void MusicVolumeUp();
void MusicVolumeDown();
void FSOUND_SetOutput(int output);
void FSOUND_SetDriver(int driver);
int FSOUND_Init(int rate, int channels, int flags);
std::vector<std::string> LoadSoundEffects();
bool LoadMessageTable(const std::string& path);

// The level world.
extern int AreaIndex;
extern float CameraX, CameraY;
extern int CurrentSlot;
extern int LevelRecord[51][10];
void LoadLevel(const std::string& name);
void ResetLevel();
const std::string& CurrentLevelTitle();
const std::string& CurrentLevelSubtitle();
int CurrentLevelMusic();
void CameraStep();
void DrawTileLayers();
void EnsureSlots();
void SaveSlot(int slot);

// The hero.


// Level objects.
void AnimationClockStep();
void ActiveObjectPasses();
void ItemPass();
void EnemyPass();
void BlockBitPass();
void DrawWater();

// Screens owned by the front end and the world map.
void BuildWorldMapNodes();
void BuildMenuButtons();
