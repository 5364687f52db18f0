#pragma once
#include <array>
#include <cstdint>

#include "engine/core/Vector.h"

namespace Framework {

class Body;

// One touching pair found in a step, and the push the resolution gave it.
struct Contact {
  Body* a = nullptr;
  Body* b = nullptr;
  Math::Vector3<float> changeA;  // velocity and position change of a
  Math::Vector3<float> changeB;
  Math::Vector3<float> normal;   // unit, pointing from a towards b
  float penetration = 0.0f;
};

// A fixed pool of contacts, built once and reused every step, so a step
// allocates nothing. When a step finds more contacts than the pool holds the
// extra ones are dropped.
class ContactSet {
 public:
  static constexpr uint32_t kCapacity = 1024;

  // The next record, filled with the two bodies, or null when the pool is full.
  Contact* Add(Body* a, Body* b) {
    if (count >= kCapacity) return nullptr;
    Contact& contact = records[count++];
    contact.a = a;
    contact.b = b;
    return &contact;
  }
  void Clear() { count = 0; }
  uint32_t Count() const { return count; }
  bool IsFull() const { return count >= kCapacity; }
  Contact& operator[](uint32_t index) { return records[index]; }
  const Contact& operator[](uint32_t index) const { return records[index]; }

 private:
  uint32_t count = 0;
  std::array<Contact, kCapacity> records{};
};

}  // namespace Framework
