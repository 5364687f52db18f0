#include "engine/physics/PhysicsArchetype.h"

#include <iostream>

#include "engine/core/XMLSerializer.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/Moveable.h"
#include "engine/physics/OBB.h"
#include "engine/physics/Sphere.h"

using Framework::XMLSerializer;

namespace PhysicsArchetype {

namespace {

// Reads the stored layer number. A number outside the layer table is kept,
// so the body takes part in no collision, and reported.
void ReadLayer(XMLSerializer& serializer, uint32_t& layer) {
  int stored = static_cast<int>(layer);
  if (!Framework::XMLReadInt(serializer, stored, "layer_id")) return;
  layer = static_cast<uint32_t>(stored);
  if (stored < 0 || stored > 3) {
    std::cerr << "Error: layer_id " << stored << " in " << serializer.GetFileName()
              << " is not a collision layer (0 to 3); the body will collide with nothing." << std::endl;
  }
}

}  // namespace

void ReadBody(XMLSerializer& serializer, Framework::Body& body) {
  Framework::XMLReadVector3(serializer, body.mPosition, "mPosition");
  Framework::XMLReadVector3(serializer, body.mAcceleration, "mAcceleration");
  Framework::XMLReadFloat(serializer, body.Mass, "Mass");
  Framework::XMLReadFloat(serializer, body.InvMass, "InvMass");
  Framework::XMLReadFloat(serializer, body.Restitution, "Restitution");
  Framework::XMLReadFloat(serializer, body.Friction, "Friction");
  Framework::XMLReadBool(serializer, body.mUseGravity, "mUseGravity");
  Framework::XMLReadBool(serializer, body.mIsStatic, "mIsStatic");
  ReadLayer(serializer, body.layer_id);
}

void WriteBody(XMLSerializer& serializer, const Framework::Body& body) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  Framework::AppendField(parent, "mPosition", "Vec3", body.mPosition);
  Framework::AppendField(parent, "mAcceleration", "Vec3", body.mAcceleration);
  Framework::AppendField(parent, "Mass", "float", body.Mass);
  Framework::AppendField(parent, "InvMass", "float", body.InvMass);
  Framework::AppendField(parent, "Restitution", "float", body.Restitution);
  Framework::AppendField(parent, "Friction", "float", body.Friction);
  Framework::AppendField(parent, "mUseGravity", "bool", body.mUseGravity);
  Framework::AppendField(parent, "mIsStatic", "bool", body.mIsStatic);
  Framework::AppendField(parent, "layer_id", "unsigned", static_cast<unsigned>(body.layer_id));
}

void ReadBox(XMLSerializer& serializer, Framework::AABB& box) {
  serializer.BeginComponent("AABB");
  Framework::XMLReadVector3(serializer, box.mCenter, "mCenter");
  Framework::XMLReadFloat(serializer, box.mRadiusX, "mRadiusX");
  Framework::XMLReadFloat(serializer, box.mRadiusY, "mRadiusY");
  serializer.EndComponent();
}

void WriteBox(XMLSerializer& serializer, const Framework::AABB& box) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  Framework::AppendField(parent, "mCenter", "Vec3", box.mCenter);
  Framework::AppendField(parent, "mRadiusX", "float", box.mRadiusX);
  Framework::AppendField(parent, "mRadiusY", "float", box.mRadiusY);
}

void ReadSphere(XMLSerializer& serializer, Framework::Sphere& sphere) {
  serializer.BeginComponent("Sphere");
  Framework::XMLReadVector3(serializer, sphere.mCenter, "mCenter");
  Framework::XMLReadFloat(serializer, sphere.mRadius, "mRadius");
  serializer.EndComponent();
}

void WriteSphere(XMLSerializer& serializer, const Framework::Sphere& sphere) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  Framework::AppendField(parent, "mCenter", "Vec3", sphere.mCenter);
  Framework::AppendField(parent, "mRadius", "float", sphere.mRadius);
}

// An oriented box reads from wherever the serializer stands.
void ReadOrientedBox(XMLSerializer& serializer, Framework::OBB& box) {
  Framework::XMLReadVector3(serializer, box.mCenter, "mCenter");
  Framework::XMLReadVector3(serializer, box.mAxisX, "mAxisX");
  Framework::XMLReadVector3(serializer, box.mAxisY, "mAxisY");
  Framework::XMLReadVector3(serializer, box.mHalfExtent, "mHalfExtent");
}

void WriteOrientedBox(XMLSerializer& serializer, const Framework::OBB& box) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  Framework::AppendField(parent, "mCenter", "Vec3", box.mCenter);
  Framework::AppendField(parent, "mAxisX", "Vec3", box.mAxisX);
  Framework::AppendField(parent, "mAxisY", "Vec3", box.mAxisY);
  Framework::AppendField(parent, "mHalfExtent", "Vec3", box.mHalfExtent);
}

void ReadMoveable(XMLSerializer& serializer, Moveable& moveable) {
  serializer.BeginComponent("Moveable");
  Framework::XMLReadFloat(serializer, moveable.mSpeed, "mSpeed");
  Framework::XMLReadFloat(serializer, moveable.mMaxSpeed, "mMaxSpeed");
  serializer.EndComponent();
}

void WriteMoveable(XMLSerializer& serializer, const Moveable& moveable) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  Framework::AppendField(parent, "mSpeed", "float", moveable.mSpeed);
  Framework::AppendField(parent, "mMaxSpeed", "float", moveable.mMaxSpeed);
}

}  // namespace PhysicsArchetype
