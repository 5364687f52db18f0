#include "engine/ui/UIText.h"

#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"

namespace Framework {

namespace {
constexpr float kPanelPadTop = 10.0f;
constexpr float kPanelPadBottom = 15.0f;
}  // namespace

UIText::UIText(GameObject* owner) : UI(owner, ComponentId::UIText) {
  background = std::make_unique<Sprite>(owner, Math::Vec2(0, 0), Math::Vec2(0, 0), 0.0f, 9);
  background->SetMesh("quad");
  background->loop = true;
  // No panel until a background texture is named.
  background->SetEnabled(false);
}

UIText::~UIText() = default;

GameComponent* UIText::Clone(GameObject* newOwner) {
  auto* copy = new UIText(newOwner);
  copy->position = position;
  copy->usebackground = usebackground;
  copy->leftMargin = leftMargin;
  copy->rightMargin = rightMargin;
  copy->text = text;
  copy->textScale = textScale;
  copy->textdisplayType = textdisplayType;
  copy->displayInterval = displayInterval;
  copy->spacebetweenlines = spacebetweenlines;
  copy->SplitLines();
  copy->SetEnabled(enabled);
  return copy;
}

void UIText::Initialize() {
  // Split first: the panel is sized from the lines.
  SplitLines();
  LayoutBackground();
  background->SetEnabled(enabled && HasBackground());
}

void UIText::SetEnabled(bool on) {
  enabled = on;
  background->SetEnabled(on && HasBackground());
  if (background->enabled) LayoutBackground();
}

void UIText::Refresh(float) {
  SplitLines();
  LayoutBackground();
  background->SetEnabled(enabled && HasBackground());
  if (finished) {
    visibleChars = 0;
    currentLine = 0;
    finished = false;
  }
}

void UIText::SplitLines() {
  lines.clear();
  std::string rest = text;
  const std::string separator = kLineSeparator;
  for (std::size_t at = rest.find(separator); at != std::string::npos; at = rest.find(separator)) {
    lines.push_back(rest.substr(0, at));
    rest.erase(0, at + separator.size());
  }
  lines.push_back(rest);
  if (currentLine >= lines.size()) currentLine = 0;
  if (visibleChars > lines[currentLine].size()) visibleChars = 0;
}

void UIText::LayoutBackground() {
  if (!HasBackground() || lines.empty()) return;
  const std::string* longest = &lines.front();
  for (const std::string& line : lines) {
    if (line.size() > longest->size()) longest = &line;
  }
  const float lineHeight = LineHeight();
  const float lineCount = static_cast<float>(lines.size());
  const float width = GraphicsSystem::MeasureText(*longest, textScale).x + leftMargin + rightMargin;
  const float height = lineCount * (spacebetweenlines * lineHeight) + kPanelPadTop + kPanelPadBottom;
  const float top = position.y + lineHeight + kPanelPadTop;
  const float bottom = position.y - (lineCount - 1.0f) * lineHeight - kPanelPadBottom;
  background->position = Math::Vec2(position.x - leftMargin + width * 0.5f, (top + bottom) * 0.5f);
  background->size = Math::Vec2(width, height);
  background->SetTexture(usebackground);
}

void UIText::UpdateUI(float dt) {
  if (!enabled) return;
  if (lines.empty()) SplitLines();  // updated before it was initialised
  if (textdisplayType == kStatic) {
    ShowEverything();
  } else if (textdisplayType == kAnimated) {
    TypeOn(dt);
  }
  QueueLines();
}

void UIText::ShowEverything() {
  currentLine = static_cast<unsigned>(lines.size() - 1);
  visibleChars = static_cast<unsigned>(lines.back().size());
  finished = true;
}

void UIText::TypeOn(float dt) {
  if (finished) {
    ShowEverything();
    return;
  }
  charTimer += dt;
  if (charTimer >= displayInterval) {
    ++visibleChars;
    charTimer = 0.0f;
  }
  SkipCompletedLines();
}

void UIText::SkipCompletedLines() {
  while (visibleChars >= lines[currentLine].size()) {
    if (currentLine + 1 >= lines.size()) {
      ShowEverything();
      return;
    }
    ++currentLine;
    visibleChars = 0;
  }
}

void UIText::QueueLines() const {
  const Math::Vec3 origin = OwnerPosition();
  const float x = origin.x + position.x;
  const float lineStep = (spacebetweenlines * kFontHeight) * textScale;
  for (unsigned i = 0; i <= currentLine && i < lines.size(); ++i) {
    const std::string shown = i < currentLine ? lines[i] : lines[i].substr(0, visibleChars);
    const float y = origin.y + position.y - lineStep * static_cast<float>(i);
    GraphicsSystem::QueueText(shown, x, y, textScale, kUITextColour);
  }
}

void UIText::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  AppendField(parent, "position", "Vec2", position);
  AppendField(parent, "usebackground", "string", usebackground);
  AppendField(parent, "leftMargin", "float", leftMargin);
  AppendField(parent, "rightMargin", "float", rightMargin);
  AppendField(parent, "text", "string", text);
  AppendField(parent, "textScale", "float", textScale);
  AppendField(parent, "textdisplayType", "string", textdisplayType);
  if (textdisplayType == kAnimated) AppendField(parent, "displayInterval", "float", displayInterval);
  AppendField(parent, "spacebetweenlines", "unsigned", spacebetweenlines);
}

void UIText::Deserialize(XMLSerializer& serializer) {
  TiXmlElement* element = serializer.GetCursor();
  ReadElement(element, position, "position");
  ReadElement(element, usebackground, "usebackground");
  ReadElement(element, leftMargin, "leftMargin");
  ReadElement(element, rightMargin, "rightMargin");
  ReadElement(element, text, "text");
  ReadElement(element, textScale, "textScale");
  ReadElement(element, textdisplayType, "textdisplayType");
  if (textdisplayType == kAnimated) ReadElement(element, displayInterval, "displayInterval");
  ReadElement(element, spacebetweenlines, "spacebetweenlines");
  SplitLines();
  background->SetEnabled(enabled && HasBackground());
}

}  // namespace Framework
