// The mole: walks a while, leaps and dives into the ground (a mole hill
// rises where it went in), tunnels along unseen for a few seconds, then
// leaps out somewhere else (with a hill there too) and walks again. Under
// the ground nothing can touch it and it touches nothing.
#pragma once

#include "enemies/enemy.h"

struct ActiveLine;

// Its phase, kept in `mode`.
enum class MolePhase { Walking = 0, Leaping = 1, DugIn = 2, Tunnelling = 3, LeapingOut = 4 };
enum class MoleHill { None = 0, Forming = 1, Subsiding = 2 };

class TMole : public TEnemy {
 public:
  int phaseStart = 0;
  int phaseLength = 0;
  float maxSpeed = 0;  // `speed` is its speed along x
  float hillX = 0, hillY = 0;
  int hillStamp = 0;
  MoleHill hill = MoleHill::None;
  int hillFrame = 0;

  void Behave() override;
  void Update() override;
  void Draw() override;
  MolePhase Phase() const { return static_cast<MolePhase>(mode); }
  bool AboveGround() const;

 protected:
  const Image* Strip() const override;
  int StripFrame() const override;
  void ViewBox(float* left, float* top, float* w, float* h) const override;
  void LeaveKindList() override;

 private:
  void Enter(MolePhase phase);
  void RaiseHill();
  void LowerHill();
};

extern EntityList<TMole> MoleList;

void CreateMole(const ActiveLine& line);
