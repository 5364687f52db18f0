#pragma once
#include <memory>

class User;

// One user's use of a prop.
struct UseRecord {
  // Expired once the user's object is destroyed; the record then no longer counts.
  std::weak_ptr<User> user;
  // Seconds of use so far; advances only on frames the user uses the prop within reach.
  float time = 0.0f;
  float duration = 0.0f;
};
