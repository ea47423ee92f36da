// The knight: he stands guard facing one way. When the hero comes within
// reach in front of him, his horse rears, and then he trots after him ever
// faster, off ledges and back at walls.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

// Its `mode` is its phase.
enum class KnightPhase { Trotting = 0, Standing = 1, Rearing = 2 };

class TKnight : public TEnemy {
 public:
  float topSpeed = 0;  // drawn when he rears
  KnightPhase Phase() const { return static_cast<KnightPhase>(mode); }
  void Behave() override;
  void Update() override;

 protected:
  const Image* Strip() const override;
  int StripFrame() const override;
  void LeaveKindList() override;

 private:
  void Enter(KnightPhase phase);
  bool HeroInReach() const;
  void MeetHero();
};

extern EntityList<TKnight> KnightList;

void CreateKnight(const ActiveLine& line);
