#pragma once
// Building blocks for tests that write the engine's own file formats.
#include <cstdint>
#include <string>

namespace Framework {
class GameComponent;
}

namespace TestSupport {

// The 4 little-endian bytes of a 32-bit number, as binary files hold it.
std::string Int32Bytes(int32_t value);

// Saves a document holding one element, named elementName, with the
// component's serialised fields below it.
void SaveComponent(const std::string& path, const std::string& elementName, Framework::GameComponent& component);

}  // namespace TestSupport
