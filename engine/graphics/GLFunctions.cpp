#include "engine/graphics/GLFunctions.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace gl {

#define CORVIDALE_DEFINE_GL(type, name, symbol) type name = nullptr;
CORVIDALE_GL_FUNCTIONS(CORVIDALE_DEFINE_GL)
#undef CORVIDALE_DEFINE_GL

namespace {
bool& AliveFlag() {
  static bool alive = false;
  return alive;
}
}  // namespace

bool Load(ProcLookup lookup, int& major, int& minor) {
  major = minor = 0;
  if (lookup == nullptr) return false;
#define CORVIDALE_LOAD_GL(type, name, symbol) name = reinterpret_cast<type>(lookup(#symbol));
  CORVIDALE_GL_FUNCTIONS(CORVIDALE_LOAD_GL)
#undef CORVIDALE_LOAD_GL
  bool complete = true;
#define CORVIDALE_CHECK_GL(type, name, symbol) complete = complete && name != nullptr;
  CORVIDALE_GL_FUNCTIONS(CORVIDALE_CHECK_GL)
#undef CORVIDALE_CHECK_GL
  if (!complete) return false;
  GetIntegerv(GL_MAJOR_VERSION, &major);
  GetIntegerv(GL_MINOR_VERSION, &minor);
  if (major < 3) return false;
  AliveFlag() = true;
  return true;
}

void ExitProgram(int status) {
  MarkContextGone();
  std::cout.flush();
  std::cerr.flush();
  std::exit(status);
}

bool VersionSupported(int major, int minor) { return major > 3 || (major == 3 && minor >= 3); }

bool ContextAlive() { return AliveFlag(); }

void MarkContextGone() { AliveFlag() = false; }

}  // namespace gl
