#include "engine/core/System.h"

#include "engine/platform/Platform.h"

namespace Framework {

System::System() : previousTicks(Platform::Ticks()), currentTicks(previousTicks) {}

void System::SendMessage(Message* message) {
  if (message->id == MSG_DEBUG_ON) debug = true;
  if (message->id == MSG_DEBUG_OFF) debug = false;
}

void System::EndTiming() {
  currentTicks = Platform::Ticks();
  dt = static_cast<float>(currentTicks - previousTicks) / static_cast<float>(Platform::kTicksPerSecond);
}

}  // namespace Framework
