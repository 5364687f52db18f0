#include "engine/platform/SdlInput.h"

#include <SDL.h>

namespace Platform {

struct SdlInput::Impl {};

SdlInput::SdlInput() : impl_(std::make_unique<Impl>()) {}
SdlInput::~SdlInput() = default;
void SdlInput::Open() {}
void SdlInput::HandleEvent(const SDL_Event&) {}
bool SdlInput::IsKeyDown(int) const { return false; }
PadState SdlInput::GetPadState(int) const { return {}; }
void SdlInput::Close() {}

}  // namespace Platform
