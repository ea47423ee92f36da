// The wizard: a walker (the core of walking_core.h, its ledge rule in
// `mode`) that stops every four seconds to turn to the hero and cast a
// bouncing shot at him. Touching the wizard only knocks the hero back; its
// shots are what hurt.
#pragma once

#include "enemies/enemy.h"
#include "present/timer.h"

struct ActiveLine;

class TWizard : public TEnemy {
 public:
  bool IdleAsleep() const override { return true; }
  Timer nextCast;  // from waking, or from the end of the last cast
  bool casting = false;

  void Behave() override;
  void Update() override;

 protected:
  void OnWake() override;
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void StartCast();
  void EndCast();
};

extern EntityList<TWizard> WizardList;

void CreateWizard(const ActiveLine& line);
