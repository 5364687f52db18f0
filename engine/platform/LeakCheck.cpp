#include "engine/platform/LeakCheck.h"

#if defined(__SANITIZE_ADDRESS__)
#define CORVIDALE_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVIDALE_LEAK_CHECKED 1
#endif
#endif

#ifdef CORVIDALE_LEAK_CHECKED
#include <dlfcn.h>

#include <fstream>
#include <set>
#include <string>

// SDL's D-Bus connection keeps one buffer for the life of the process. The
// ASan build links this in explicitly (see the top-level CMakeLists.txt).
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace Platform {

void KeepLoadedLibrariesResident() {
  std::ifstream maps("/proc/self/maps");
  std::set<std::string> libraries;
  for (std::string line; std::getline(maps, line);) {
    const auto slash = line.find('/');
    if (slash == std::string::npos) continue;
    const std::string path = line.substr(slash);
    if (path.find(".so") != std::string::npos) libraries.insert(path);
  }
  for (const std::string& path : libraries) dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace Platform

#else

namespace Platform {

void KeepLoadedLibrariesResident() {}

}  // namespace Platform

#endif
