// A wizard's shot: flies fast along its heading, glancing off blocks, and is
// spent at its sixth bounce or the moment it hits the hero.
#pragma once

#include "enemies/enemy.h"

class TWizardShot : public TEnemy {
 public:
  float heading = 0;  // degrees (enemies/heading.h)
  int bounces = 0;

  void Behave() override;

 protected:
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;
};

extern EntityList<TWizardShot> WizardShotList;

// A shot at (x, y) aimed at the hero, give or take ten degrees.
void CastShot(float x, float y);
