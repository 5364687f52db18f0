#include "tests/support/CoreFileSupport.h"

#include "engine/core/GameComponent.h"
#include "engine/core/XMLSerializer.h"

namespace TestSupport {

std::string Int32Bytes(int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  return std::string{static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                     static_cast<char>((bits >> 16) & 0xFF), static_cast<char>((bits >> 24) & 0xFF)};
}

void SaveComponent(const std::string& path, const std::string& elementName, Framework::GameComponent& component) {
  Framework::XMLSerializer writer;
  if (!writer.Open(path, Framework::XMLSerializer::kWrite)) return;
  auto* element = new TiXmlElement(elementName);
  writer.GetDocument()->LinkEndChild(element);
  writer.SetCursor(element);
  component.Serialize(writer);
  writer.Close();
}

}  // namespace TestSupport
