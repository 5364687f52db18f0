#include "engine/physics/PhysicsArchetype.h"

namespace PhysicsArchetype {

void ReadBody(Framework::XMLSerializer&, Framework::Body&) {}
void WriteBody(Framework::XMLSerializer&, const Framework::Body&) {}
void ReadBox(Framework::XMLSerializer&, Framework::AABB&) {}
void WriteBox(Framework::XMLSerializer&, const Framework::AABB&) {}
void ReadSphere(Framework::XMLSerializer&, Framework::Sphere&) {}
void WriteSphere(Framework::XMLSerializer&, const Framework::Sphere&) {}
void ReadOrientedBox(Framework::XMLSerializer&, Framework::OBB&) {}
void WriteOrientedBox(Framework::XMLSerializer&, const Framework::OBB&) {}
void ReadMoveable(Framework::XMLSerializer&, Moveable&) {}
void WriteMoveable(Framework::XMLSerializer&, const Moveable&) {}

}  // namespace PhysicsArchetype
