// What the intro and story scenes share: the base every scene runs from, its
// numbered steps and their clock, the pictures and sounds a scene loads for
// itself, and the letterbox of the story scenes.
//
// Every scene leaves the same way whether it runs to its end or Escape cuts
// it short: a scene names its next screen once, in Leave.
#pragma once

#include <string>
#include <vector>

#include "present/present.h"
#include "present/timer.h"
#include "world/screen_loop.h"

// The story scenes' pictures fill (0, 75)-(800, 525); black bands above and
// below make the letterbox.
constexpr float kLetterboxTop = 75;
constexpr float kLetterboxHeight = 450;

// Which step a scene is in and when it began.
struct SceneSteps {
  int step = 0;
  int stamp = Millisecs();
  void Next() { To(step + 1); }
  void To(int s) {
    step = s;
    stamp = Millisecs();
  }
  // More than `ms` have passed since the step began.
  bool Passed(int ms) const { return MsPassed(stamp, ms); }
  int Elapsed() const { return Millisecs() - stamp; }
};

class Scene : public Screen {
 public:
  // Leaves no fade, lock, overlay or message box behind for the next
  // screen, however the scene ended.
  ~Scene() override;
  bool Running() const override { return !finished_; }
  // Escape ends every scene at once; the last frame is left black.
  void Step() final;
  void FadedOut() override { Finish(); }

 protected:
  // The scene's entry effects, in its first frame (before Escape can end it).
  virtual void Start() {}
  // One frame of the scene: its update and its drawing.
  virtual void Play() = 0;
  // Sets the next GameState (and LevelId) and whatever the scene marks as
  // it ends.
  virtual void Leave() = 0;
  void Finish();

  SceneSteps steps;

 private:
  bool started_ = false;
  bool finished_ = false;
};

// Runs a scene from a clean fade to its end.
void RunScene(Scene& scene);

// The pictures of one scene, from "Images\Cutscene\<folder>\", loaded when
// the scene starts and let go when it ends, however it ends. A picture that
// is missing is null and draws nothing.
class ScenePictures {
 public:
  explicit ScenePictures(std::string folder) : folder_(std::move(folder)) {}
  ~ScenePictures();
  ScenePictures(const ScenePictures&) = delete;
  ScenePictures& operator=(const ScenePictures&) = delete;
  // `name` without ".png"; handle at the top-left.
  Image* Load(const std::string& name);
  // Handle at the picture's centre.
  Image* LoadCentred(const std::string& name);
  Image* LoadStrip(const std::string& name, int cellW, int cellH, int count);

 private:
  Image* Keep(Image* img);
  std::string folder_;
  std::vector<Image*> images_;
};

// The scene's own sounds (they are not in the effect table): each path plays
// on a channel of its own at the effect volume, and every one stops when the
// scene ends, however it ends.
class SceneSounds {
 public:
  SceneSounds() = default;
  ~SceneSounds();
  SceneSounds(const SceneSounds&) = delete;
  SceneSounds& operator=(const SceneSounds&) = delete;
  // Starts the sound from its beginning (again, if it plays already).
  void Play(const std::string& path, bool loop = false);
  void Stop(const std::string& path);
  void StopAll();
  bool Playing(const std::string& path) const;

 private:
  struct Voice {
    std::string path;
    int channel = 0;
  };
  Voice* Find(const std::string& path);
  std::vector<Voice> voices_;
};

// How many scene sounds play right now, over all scenes (none once a scene
// has ended).
int SceneSoundsPlaying();

// White, opaque, unscaled, unturned, at the screen's origin, alpha blended.
void PlainDrawState();
void DrawPicture(const Image* img, float x, float y, float alpha = 1.0f, int frame = 0);
// The letterbox picture of a story scene, at (0, 75).
void DrawLetterboxed(const Image* img, float alpha = 1.0f, int frame = 0);
// Black over the picture area only, for the story scenes' fades.
void DrawLetterboxCover(float alpha);
// The bands above and below the picture area.
void DrawLetterboxBands();
