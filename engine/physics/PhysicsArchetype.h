#pragma once
// Reading and writing the archetype fields of the physics components.
namespace Framework {
class XMLSerializer;
class Body;
class AABB;
class Sphere;
class OBB;
}  // namespace Framework
class Moveable;

namespace PhysicsArchetype {

void ReadBody(Framework::XMLSerializer& serializer, Framework::Body& body);
void WriteBody(Framework::XMLSerializer& serializer, const Framework::Body& body);
void ReadBox(Framework::XMLSerializer& serializer, Framework::AABB& box);
void WriteBox(Framework::XMLSerializer& serializer, const Framework::AABB& box);
void ReadSphere(Framework::XMLSerializer& serializer, Framework::Sphere& sphere);
void WriteSphere(Framework::XMLSerializer& serializer, const Framework::Sphere& sphere);
void ReadOrientedBox(Framework::XMLSerializer& serializer, Framework::OBB& box);
void WriteOrientedBox(Framework::XMLSerializer& serializer, const Framework::OBB& box);
void ReadMoveable(Framework::XMLSerializer& serializer, Moveable& moveable);
void WriteMoveable(Framework::XMLSerializer& serializer, const Moveable& moveable);

}  // namespace PhysicsArchetype
