#pragma once
// Shows a list of images one after another on its object's sprite: each
// image waits unseen, fades in, stays and fades out, with its own four
// times. The splash screen moves on once the fader has finished.
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Lerp.h"
#include "engine/core/Scriptable.h"

namespace Framework {
class Sprite;
class XMLSerializer;
}  // namespace Framework

// One page of the fader: the texture shown and its four times in seconds.
// A time of 0 lasts a whole second, like every tween's.
struct FaderImage {
  std::string name;
  float warmupTime = 0.0f;
  float fadeInTime = 0.0f;
  float stayTime = 0.0f;
  float fadeOutTime = 0.0f;
};

class ImageFader : public Scriptable {
 public:
  // The steps each image passes through, in order.
  enum Phase { kWarmup = 0, kFadeIn = 1, kStay = 2, kFadeOut = 3 };

  explicit ImageFader(Framework::GameObject* owner);

  std::string GetTypeName() override { return "ImageFader"; }
  void Serialize(Framework::XMLSerializer& serializer) override;
  // Appends the images of the "ImageList" element; a time an image leaves
  // out repeats the one of the image before it.
  void Deserialize(Framework::XMLSerializer& serializer) override;
  // Rewinds to the first image; the next Start shows it.
  void Reset() override;
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;

  void Start() override;
  void Update() override;

  bool finished = false;
  int phase = kWarmup;
  int index = 0;
  Framework::Sprite* sprite = nullptr;  // the owner's; not owned
  Utility::LerpStartEnd<float> tween;   // the sprite's alpha
  std::vector<std::shared_ptr<FaderImage>> images;

 private:
  void SetStep(int image, float duration, float from, float to);
  // Starts the step after the one that just ended.
  void NextStep();
  void ShowAlpha(float alpha);
};
