#include "game/menus/ImageFader.h"

#include <cmath>
#include <iostream>

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/Sprite.h"

namespace {

const char* const kListElement = "ImageList";
const char* const kTimeNames[] = {"warmupTime", "fadeInTime", "stayTime", "fadeOutTime"};

float* TimeOf(FaderImage& image, int phase) {
  float* times[] = {&image.warmupTime, &image.fadeInTime, &image.stayTime, &image.fadeOutTime};
  return times[phase];
}

// A time the image's element holds replaces out; an absent one leaves it.
// A negative or non-numeric time would never finish or run backwards: it
// counts as 0 (one second).
void ReadTime(TiXmlElement* image, float& out, const char* name) {
  float value = out;
  if (!Framework::ReadElement(image, value, name)) return;
  if (!std::isfinite(value) || value < 0.0f) {
    std::cerr << "Error: image " << image->ValueStr() << " has the time " << name << " = " << value
              << "; it lasts one second instead" << std::endl;
    value = 0.0f;
  }
  out = value;
}

}  // namespace

ImageFader::ImageFader(Framework::GameObject* owner) : Scriptable(owner, Framework::ComponentId::ImageFader) {}

void ImageFader::Serialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  auto* list = new TiXmlElement(kListElement);
  for (const std::shared_ptr<FaderImage>& image : images) {
    auto* entry = new TiXmlElement(image->name);
    for (int phase = kWarmup; phase <= kFadeOut; ++phase)
      Framework::AppendField(entry, kTimeNames[phase], "float", *TimeOf(*image, phase));
    list->LinkEndChild(entry);
  }
  parent->LinkEndChild(list);
}

void ImageFader::Deserialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* component = serializer.GetCursor();
  TiXmlElement* list = component ? component->FirstChildElement(kListElement) : nullptr;
  if (list == nullptr) return;
  FaderImage carried;
  for (TiXmlElement* element = list->FirstChildElement(); element; element = element->NextSiblingElement()) {
    carried.name = element->ValueStr();
    for (int phase = kWarmup; phase <= kFadeOut; ++phase) ReadTime(element, *TimeOf(carried, phase), kTimeNames[phase]);
    images.push_back(std::make_shared<FaderImage>(carried));
  }
}

void ImageFader::Reset() {
  finished = false;
  index = 0;
  phase = kWarmup;
}

Framework::GameComponent* ImageFader::Clone(Framework::GameObject* newOwner) { return new ImageFader(newOwner); }

void ImageFader::Start() {
  sprite = GetComponent<Framework::Sprite>();
  if (sprite == nullptr || images.empty()) {
    std::cout << "unable to find sprite component or there are no images, image fader is completed" << std::endl;
    finished = true;
    SetEnabled(false);
    return;
  }
  // Start runs again whenever the object is initialised; a finished or
  // out-of-range fader shows nothing rather than reading past its list.
  if (finished || index < 0 || index >= static_cast<int>(images.size())) {
    ShowAlpha(0.0f);
    return;
  }
  SetStep(index, images[index]->warmupTime, 0.0f, 0.0f);
}

void ImageFader::Update() {
  if (finished || sprite == nullptr) return;
  tween.Update(Framework::GetEngine().dt);
  ShowAlpha(tween.GetValue());
  if (tween.IsDone()) NextStep();
}

void ImageFader::NextStep() {
  const FaderImage& image = *images[index];
  switch (phase) {
    case kWarmup: SetStep(index, image.fadeInTime, 0.0f, 1.0f); break;
    case kFadeIn: SetStep(index, image.stayTime, 1.0f, 1.0f); break;
    case kStay: SetStep(index, image.fadeOutTime, 1.0f, 0.0f); break;
    default:
      ++index;
      if (index == static_cast<int>(images.size())) {
        finished = true;
        return;
      }
      SetStep(index, images[index]->warmupTime, 0.0f, 0.0f);
      break;
  }
  phase = (phase + 1) % 4;
}

void ImageFader::SetStep(int image, float duration, float from, float to) {
  tween.Set(from, to, duration);
  tween.done = false;  // a step that holds one value still takes its time
  sprite->SetTexture(images[image]->name);
  ShowAlpha(from);
}

void ImageFader::ShowAlpha(float alpha) {
  // The frame that ends a fade carries the tween a little past its end.
  sprite->colour.w = alpha < 0.0f ? 0.0f : (alpha > 1.0f ? 1.0f : alpha);
}
