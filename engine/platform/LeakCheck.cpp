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

// Blocks the system libraries keep for the life of the process, never ours:
// SDL's D-Bus connection, X11's caches, and the GL driver with the LLVM
// compiler inside it (a death test that exits with a context alive leaves
// the driver's shader and thread state behind). A suppression matches a
// stack with any frame in these libraries; a block our code allocates
// without going through them is still reported. The ASan build links both
// functions in explicitly (see the top-level CMakeLists.txt).
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n"
         "leak:libX11.so\n"
         "leak:libxcb.so\n"
         "leak:swrast_dri.so\n"
         "leak:libgallium\n"
         "leak:libGLX_mesa.so\n"
         "leak:libLLVM\n";
}

// The sanitizer runtime's __tls_get_addr interceptor misreads some loaded
// libraries' thread storage as an old glibc header, and its leak checker
// then crashes at exit ("Tracer caught signal 11"). Without the interceptor
// the leak checker still finds those blocks through the threads' own
// storage. Options given in ASAN_OPTIONS are read after these.
extern "C" const char* __asan_default_options() { return "intercept_tls_get_addr=0"; }

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
