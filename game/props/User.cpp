#include "game/props/User.h"

#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/physics/AABB.h"
#include "game/characters/Character.h"

void User::Serialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  int index = 0;
  for (const std::string& name : names) Framework::AppendField(parent, "p" + std::to_string(index++), "string", name);
}

void User::Deserialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* element = serializer.GetCursor();
  if (!element) return;
  for (TiXmlElement* entry = element->FirstChildElement(); entry; entry = entry->NextSiblingElement()) {
    const std::string name = Framework::GetFirstAttributeValue(entry);
    // An entry without a value names nothing.
    if (!name.empty()) names.insert(name);
  }
}

Framework::GameComponent* User::Clone(Framework::GameObject* newOwner) {
  auto* copy = new User(newOwner);
  copy->names = names;
  return copy;
}

void User::Initialize() {
  box = GetComponent<Framework::AABB>();
  person = GetComponent<Character>();
}
