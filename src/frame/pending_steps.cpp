#include "frame/pending_steps.h"

#include "frame/settings.h"

#define WEAK __attribute__((weak))

WEAK int MusicVolume = 200;
WEAK int MusicVolumeSetting = 200;
WEAK int MusicFadeMode = 0;
WEAK float SoundVolume = 1.0f;
WEAK void PlayMusic(int) {}
WEAK void RestoreMusicVolume() { MusicVolume = MusicVolumeSetting; }
WEAK void UpdateMusicFade() {}
WEAK void SetSfxVolume(float) {}
WEAK void SetMusicVolume(int) {}
WEAK void StartMusicFadeOut() { MusicVolumeSetting = MusicVolume; MusicFadeMode = 4; }
WEAK void PlaySfx(int, int) {}
WEAK void RenewSfxChannel(int) {}
WEAK void SfxVolumeUp() {}
WEAK void SfxVolumeDown() {}
WEAK void MusicVolumeUp() {}
WEAK void MusicVolumeDown() {}
WEAK void FSOUND_SetOutput(int) {}
WEAK void FSOUND_SetDriver(int) {}
WEAK int FSOUND_Init(int, int, int) { return 1; }
WEAK std::vector<std::string> LoadSoundEffects() { return {}; }




WEAK void AnimationClockStep() {}
WEAK void ActiveObjectPasses() {}
WEAK void ItemPass() {}
WEAK void EnemyPass() {}
WEAK void BlockBitPass() {}
WEAK void DrawWater() {}

WEAK void BuildWorldMapNodes() {}
WEAK void BuildMenuButtons() {}
