#include "frontend/scene_kit.h"

#include <algorithm>

#include "entities/message_point.h"
#include "entities/tv_zone.h"
#include "world/game_state.h"
#include "world/settings.h"
#include "world/sound_effects.h"

namespace {

constexpr int kLoopFlag = 1;

// Every scene sound keeps the channel it was first given, like the effects
// do, so one sound never layers with itself and a stray one can be found.
struct Voice {
  std::string path;
  int channel;
};
std::vector<Voice> g_voices;

int ChannelFor(const std::string& path) {
  for (const Voice& v : g_voices)
    if (v.path == path) return v.channel;
  g_voices.push_back({path, AllocChannel()});
  return g_voices.back().channel;
}

}  // namespace

void Scene::Step() {
  PlainDrawState();
  if (!started_) {
    // The clock of the first step starts with the first frame, not while the
    // pictures load.
    started_ = true;
    steps.To(0);
    Start();
  }
  if (EscapeHit) {
    Finish();
    return;
  }
  Play();
}

void Scene::Finish() {
  if (finished_) return;
  finished_ = true;
  Leave();
}

Scene::~Scene() {
  FadeAlpha = 0;
  InputLocked = 0;
  EscapeHit = 0;
  SpaceHit = 0;
  if (TVOverlayOn) StopTVOverlay();
  RemoveMessagePoints();
}

void RunScene(Scene& scene) {
  FadeAlpha = 0;
  RunScreen(scene);
}

// ---------------------------------------------------------------- pictures

ScenePictures::~ScenePictures() {
  for (Image* img : images_) FreeImage(img);
}

Image* ScenePictures::Keep(Image* img) {
  if (img) images_.push_back(img);
  return img;
}

Image* ScenePictures::Load(const std::string& name) {
  return Keep(LoadImage("Images\\Cutscene\\" + folder_ + "\\" + name + ".png"));
}

Image* ScenePictures::LoadCentred(const std::string& name) {
  Image* img = Load(name);
  if (img) MidHandleImage(img);
  return img;
}

Image* ScenePictures::LoadStrip(const std::string& name, int cellW, int cellH, int count) {
  return Keep(
      LoadAnimImage("Images\\Cutscene\\" + folder_ + "\\" + name + ".png", cellW, cellH, 0, count));
}

// ------------------------------------------------------------------ sounds

SceneSounds::~SceneSounds() {
  StopAll();
}

SceneSounds::Voice* SceneSounds::Find(const std::string& path) {
  for (Voice& v : voices_)
    if (v.path == path) return &v;
  return nullptr;
}

void SceneSounds::Play(const std::string& path, bool loop) {
  Sound* sound = LoadSound(path, loop ? kLoopFlag : 0);
  Voice* v = Find(path);
  if (!v) {
    voices_.push_back({path, ChannelFor(path)});
    v = &voices_.back();
  }
  SetChannelVolume(v->channel, SoundVolume);
  SetChannelRate(v->channel, 1.0f);
  // A sound that did not load plays nothing, and what the channel played
  // before stops all the same.
  if (sound)
    PlaySound(sound, v->channel);
  else
    StopChannel(v->channel);
}

void SceneSounds::Stop(const std::string& path) {
  if (Voice* v = Find(path)) StopChannel(v->channel);
}

void SceneSounds::StopAll() {
  for (const Voice& v : voices_) StopChannel(v.channel);
}

bool SceneSounds::Playing(const std::string& path) const {
  for (const Voice& v : voices_)
    if (v.path == path) return ChannelPlaying(v.channel) != 0;
  return false;
}

int SceneSoundsPlaying() {
  return static_cast<int>(std::count_if(g_voices.begin(), g_voices.end(),
                                        [](const Voice& v) { return ChannelPlaying(v.channel); }));
}

// ----------------------------------------------------------------- drawing

void PlainDrawState() {
  SetBlend(BLEND_ALPHA);
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetRotation(0);
  SetColor(255, 255, 255);
  SetAlpha(1);
}

void DrawPicture(const Image* img, float x, float y, float alpha, int frame) {
  SetAlpha(alpha);
  DrawImage(img, x, y, frame);
  SetAlpha(1);
}

void DrawLetterboxed(const Image* img, float alpha, int frame) {
  DrawPicture(img, 0, kLetterboxTop, alpha, frame);
}

void DrawLetterboxCover(float alpha) {
  if (alpha <= 0) return;
  SetColor(0, 0, 0);
  SetAlpha(std::min(alpha, 1.0f));
  DrawRect(0, kLetterboxTop, 800, kLetterboxHeight);
  SetColor(255, 255, 255);
  SetAlpha(1);
}

void DrawLetterboxBands() {
  SetColor(0, 0, 0);
  SetAlpha(1);
  DrawRect(0, 0, 800, kLetterboxTop);
  DrawRect(0, kLetterboxTop + kLetterboxHeight, 800, 600 - kLetterboxTop - kLetterboxHeight);
  SetColor(255, 255, 255);
}
