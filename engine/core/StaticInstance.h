#pragma once
// A system or manager that exists once, built on first use and destroyed at
// process exit. Objects destroyed later than it (components still held by a
// static) ask Alive() before reaching back into it.
namespace Framework {

template <class T>
class StaticInstance {
 public:
  static T& Get() {
    static Holder holder;
    return holder.instance;
  }
  static bool Alive() { return !Gone(); }

 private:
  struct Holder {
    ~Holder() { Gone() = true; }
    T instance;
  };
  static bool& Gone() {
    static bool gone = false;
    return gone;
  }
};

}  // namespace Framework
