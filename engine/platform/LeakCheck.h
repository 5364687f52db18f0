#pragma once
// Helps AddressSanitizer's leak checker tell our leaks from the system
// libraries'. Does nothing in other builds.

namespace Platform {

// Destroying the last GL window and SDL_Quit unload the GL driver and the
// libraries it opened; their globals go with them, and everything those
// still point to would look leaked at exit. Call before either to keep every
// loaded library resident.
void KeepLoadedLibrariesResident();

}  // namespace Platform
