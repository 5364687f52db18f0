#pragma once
#include <set>
#include <string>
#include <vector>

#include "engine/core/System.h"
#include "engine/core/Vector.h"
#include "engine/physics/CollisionLayers.h"
#include "engine/physics/Contact.h"
#include "engine/physics/StepAccumulator.h"
#include "engine/physics/SweepAndPrune.h"

namespace Framework {

class Body;
class Shape;

// Moves every body of the scene at a fixed step of 1/60 s (at most one step
// per frame, none while the game is paused), finds overlapping boxes with a
// sort-and-sweep filtered by collision layer, pushes the bodies apart and
// writes their positions back into their transforms.
class Physics : public System {
 public:
  static constexpr float kStep = StepAccumulator::kStep;

  std::string GetName() override { return "Physics"; }
  void Update(float dt) override;

  // Bodies join from Initialize and leave from Shutdown.
  void AddBody(Body* body) { bodies.insert(body); }
  void RemoveBody(Body* body) { bodies.erase(body); }
  // Boxes join the sweep list from construction to destruction.
  void AddShape(Shape* shape) { shapes.push_back(shape); }
  void RemoveShape(Shape* shape);
  // Empties the body set and the sweep list at a scene switch.
  void ClearScene();

  // One fixed step: integrate, detect, resolve, write back.
  void Step();
  void IntegrateBodies(float step);
  void DetectCollisions();
  void SyncTransforms();

  // Puts a body that the step moved onto blocked ground back where it was.
  void EnforceWalkability();

  static bool CompareShapesOnSweepAxis(Shape* a, Shape* b);

  float Accumulated() const { return accumulator.Owed(); }
  const std::set<Body*>& Bodies() const { return bodies; }
  const std::vector<Shape*>& Shapes() const { return shapes; }
  const ContactSet& Contacts() const { return contacts; }
  const CollisionLayers& Layers() const { return layers; }

  // Step-by-step debugging: while set, frames run a step only on request.
  bool singleStepMode = false;
  bool stepRequested = false;
  Math::Vector3<float> gravity{0.0f, -9.8f, 0.0f};
  bool gravityEnabled = false;  // bodies ask for gravity, but the game plays without it

 private:
  // Fills the broad-phase list from the enabled boxes whose owners have a
  // body on a known layer.
  void CollectCandidates();

  std::set<Body*> bodies;
  StepAccumulator accumulator;
  ContactSet contacts;
  std::vector<Shape*> shapes;
  CollisionLayers layers;
  std::vector<SweepCandidate> candidates;   // reused every step
  std::vector<Body*> candidateBodies;       // body of each shape, by sweep list index
};

Physics& GetPhysics();
// False once the program's physics system has been destroyed at exit, so
// components destroyed later do not reach into it.
bool PhysicsAvailable();

}  // namespace Framework
