#include "player/player_sprite.h"

#include "present/timer.h"

#include "world/assets.h"
#include "player/player_health.h"
#include "world/player_state.h"
#include "world/area.h"
#include "world/camera.h"
#include "world/tile_map.h"

int AnimState = 0;
int AnimFrame = 0;
int FramesPerDirection = 6;
int AnimTime = 0;
float Tilt = 0;
Image* PlayerSprite = nullptr;

namespace {
constexpr int kFrameMs = 100;
constexpr int kLastBounceFrame = 5;
constexpr int kLastDashFrame = 7;
}  // namespace

void RestartBounceAnimation() { AnimState = 0; }
void StartDashAnimation() { AnimState = 6; }

void AnimatePlayer() {
  Tilt = DashFlag ? 0 - P_XS : P_XS;
  int now = Millisecs();
  switch (AnimState) {
    case 0:
      AnimFrame = 0;
      AnimTime = now;
      AnimState = 1;
      break;
    case 1:
      if (AnimFrame < kLastBounceFrame && MsPassed(AnimTime, kFrameMs, now)) {
        ++AnimFrame;
        AnimTime = now;
      }
      break;
    case 6:
      AnimFrame = 0;
      AnimTime = now;
      AnimState = 7;
      break;
    case 7:
      if (AnimFrame < kLastDashFrame && MsPassed(AnimTime, kFrameMs, now)) {
        ++AnimFrame;
        AnimTime = now;
      }
      break;
    default:
      break;
  }
  FramesPerDirection = AnimState >= 6 ? 8 : 6;
}

void DrawPlayer() {
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  SetScale(1, 1);
  int r = (AmbientR + 255) / 2, g = (AmbientG + 255) / 2, b = (AmbientB + 255) / 2;
  if (PlayerState == 1) {
    SetAlpha(0.75f);
    SetColor(r, static_cast<int>(g * HurtTint), static_cast<int>(b * HurtTint));
  } else {
    SetColor(r, g, b);
  }
  SetRotation(Tilt);
  if (PlayerState == 2) {
    int spin = Millisecs() / 3;
    SetRotation(static_cast<float>(spin));
    DrawImage(ImgQuonDead, BodyPiece.x - CameraX, BodyPiece.y - CameraY, 0);
    SetRotation(static_cast<float>(-spin));
    DrawImage(ImgStickDead, StickPiece.x - CameraX, StickPiece.y - CameraY, 0);
  } else {
    Image* strip = AnimState >= 6 ? ImgQuonDash : ImgQuonBounce;
    DrawImage(strip, P_X - CameraX, P_Y - CameraY, Facing * FramesPerDirection + AnimFrame);
  }
  SetRotation(0);
}

void DrawPlayerRetro() {
  const Image* sprite = PlayerSprite ? PlayerSprite : ImgPogoRetro;
  // The retro sprite has one frame: facing left then draws it too, not nothing.
  int frame = sprite && Facing < sprite->Frames() ? Facing : 0;
  DrawImage(sprite, P_X - CameraX, P_Y - CameraY, frame);
  SetRotation(0);
}

void DrawPlayerSimple() {
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  SetColor(255, 255, 255);
  DrawImage(ImgPogoSprite, P_X - CameraX, P_Y - CameraY, Facing);
}

void LoadPlayerSprite(bool retro) { PlayerSprite = retro ? ImgPogoRetro : ImgPogoSprite; }
