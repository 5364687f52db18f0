// Every name the game data leans on must resolve, or the game shows an
// untextured quad or plays silence without failing: the textures and
// animations the archetypes show, the looks the game's code asks for, the
// sounds and music the code plays, and the frames the texture lists cut out
// of their images. The real readers load everything; the checks run over the
// committed Resources/ and, to prove they bite, over broken copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/audio/AudioManager.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/ImageFile.h"
#include "engine/graphics/ListFiles.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using TestSupport::ScopedWorkingFolder;
using TestSupport::TempFolder;

const fs::path kSourceRoot = CORVIDALE_SOURCE_ROOT;

// Reads Resources/ below a root folder the way the game does (paths in the
// lists are relative to that root) and collects every name that fails.
class DataNames {
 public:
  explicit DataNames(const fs::path& root) : cwd_(root) {
    for (const char* list : {"Resources/texture.xml", "Resources/ui_textures.xml"}) {
      // A later list replaces a texture of the same name, as in the registry.
      for (Framework::TextureEntry& entry : Framework::ReadTextureList(list)) entries_[entry.name] = entry;
    }
    Framework::ReadAudioList("Resources/Sound.txt", sounds_);
    Framework::ReadAudioList("Resources/BGM.txt", music_);
  }

  const std::vector<std::string>& Problems() const { return problems_; }

  void CheckTexture(const std::string& where, const std::string& texture, const std::string& animation = "") {
    const auto entry = entries_.find(texture);
    if (entry == entries_.end()) {
      problems_.push_back(where + ": no texture \"" + texture + "\"");
      return;
    }
    if (animation.empty()) return;
    for (const Framework::AnimationRecord& record : entry->second.animations) {
      if (record.name == animation) return;
    }
    problems_.push_back(where + ": texture \"" + texture + "\" has no animation \"" + animation + "\"");
  }

  // Every file and frame strip of both texture lists lies inside its image.
  void CheckTextureLists() {
    for (const auto& [name, entry] : entries_) {
      Framework::DecodedImage image;
      if (!Framework::DecodeImage(entry.filePath, image)) {
        problems_.push_back("texture \"" + name + "\": cannot read " + entry.filePath);
        continue;
      }
      for (const Framework::AnimationRecord& a : entry.animations) {
        const bool inside = a.topX >= 0 && a.topY >= 0 && a.botX <= image.width && a.botY <= image.height &&
                            a.topX < a.botX && a.topY < a.botY;
        const float width = a.botX - a.topX;
        if (a.frameCount == 0 || !inside || static_cast<int>(width) % static_cast<int>(a.frameCount) != 0) {
          problems_.push_back("texture \"" + name + "\": animation \"" + a.name +
                              "\" has no frames, leaves the image or splits into uneven frames");
        }
      }
    }
  }

  // Archetypes: whatever a scene index lists, everything under
  // Resources/archetypes, and any other XML file that names an object.
  void CheckArchetypes() {
    std::set<fs::path> files;
    for (const auto& item : fs::recursive_directory_iterator("Resources")) {
      const fs::path& path = item.path();
      if (path.extension() == ".scene") AddIndexed(path, files);
      if (path.extension() == ".xml" && (path.parent_path().filename() == "archetypes" || NamesAnObject(path))) {
        files.insert(path.lexically_normal());
      }
    }
    for (const fs::path& file : files) CheckArchetype(file);
  }

  // Names the code passes as literals: played sounds and music, set
  // textures, and effects shown with an animation ("Emote" with "Happy"),
  // which must be an effect object of the archetypes whose texture has it.
  // Run after CheckArchetypes, which collects the effect objects.
  void CheckCodeLiterals(const std::vector<fs::path>& folders) {
    static const std::regex kCall(R"re(\b(PlaySound|PlayBGM|PlayDrum|SetTexture)\(\s*"([^"]+)")re");
    // An emote names only its animation; a shown or played effect names the
    // effect and then (as the next or the last argument) the animation.
    static const std::regex kEmote(R"re(\bShowEmote\(\s*"([^"]+)"\s*\))re");
    static const std::regex kEffect(R"re(\bShowEffect\(\s*"([^"]+)"\s*,\s*"([^"]*)")re");
    static const std::regex kPlay(R"re(EfxManager::Instance\(\)\.Play\(\s*"([^"]+)"[^;]*?,\s*"([^"]*)"\s*\))re");
    for (const fs::path& folder : folders) {
      if (!fs::exists(folder)) continue;
      for (const auto& item : fs::recursive_directory_iterator(folder)) {
        const std::string ext = item.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string text = TestSupport::ReadFile(item.path());
        for (std::sregex_iterator it(text.begin(), text.end(), kCall), end; it != end; ++it) {
          const std::string call = (*it)[1], name = (*it)[2], where = item.path().string();
          if (call == "SetTexture") CheckTexture(where, name);
          if (call == "PlaySound" && !sounds_.count(name)) problems_.push_back(where + ": no sound \"" + name + "\"");
          if ((call == "PlayBGM" || call == "PlayDrum") && !music_.count(name)) {
            problems_.push_back(where + ": no music \"" + name + "\"");
          }
        }
        for (std::sregex_iterator it(text.begin(), text.end(), kEmote), end; it != end; ++it) {
          CheckEffect(item.path().string(), "Emote", (*it)[1]);
        }
        for (const std::regex* call : {&kEffect, &kPlay}) {
          for (std::sregex_iterator it(text.begin(), text.end(), *call), end; it != end; ++it) {
            CheckEffect(item.path().string(), (*it)[1], (*it)[2]);
          }
        }
      }
    }
  }

 private:
  void CheckEffect(const std::string& where, const std::string& effect, const std::string& animation) {
    const auto object = effectTextures_.find(effect);
    if (object == effectTextures_.end()) {
      problems_.push_back(where + ": no effect object \"" + effect + "\" tagged \"efx\"");
    } else {
      CheckTexture(where + " " + effect, object->second, animation);
    }
  }

  void AddIndexed(const fs::path& index, std::set<fs::path>& files) {
    std::vector<std::string> entries;
    Framework::ReadSceneIndex(index.string(), entries);
    for (const std::string& entry : entries) {
      const fs::path file = (index.parent_path() / entry).lexically_normal();
      if (fs::exists(file)) {
        files.insert(file);
      } else {
        problems_.push_back(index.string() + ": lists missing file " + entry);
      }
    }
  }

  static bool NamesAnObject(const fs::path& path) {
    Framework::XMLSerializer reader;
    if (!reader.Open(path.string(), Framework::XMLSerializer::kRead) || !reader.GetCursor()) return false;
    for (TiXmlElement* child = Framework::GetFirstChildElement(reader.GetCursor()); child;
         child = child->NextSiblingElement()) {
      if (child->ValueStr() == "Name" || child->ValueStr() == "Tag") return true;
    }
    return false;
  }

  static std::string Field(TiXmlElement* component, const std::string& name, const std::string& fallback = "") {
    std::string value = fallback;
    Framework::ReadElement(component, value, name);
    return value;
  }

  void CheckArchetype(const fs::path& file) {
    Framework::XMLSerializer reader;
    const std::string where = file.string();
    if (!reader.Open(where, Framework::XMLSerializer::kRead) || !reader.GetCursor()) {
      problems_.push_back(where + ": not a readable XML document");
      return;
    }
    TiXmlElement* root = reader.GetCursor();
    const bool effect = Field(root, "Tag") == "efx";
    for (TiXmlElement* c = Framework::GetFirstChildElement(root); c; c = c->NextSiblingElement()) {
      const std::string kind = c->ValueStr();
      const std::string at = where + " " + kind;
      if (effect && kind == "Sprite") effectTextures_[Field(root, "Name")] = Field(c, "textureID", "blank");
      if (kind == "Sprite") CheckTexture(at, Field(c, "textureID", "blank"), Field(c, "currentAnimSet"));
      if (kind == "ParticleEmitter") CheckTexture(at, Field(c, "textureID"));
      if (kind == "UIImage") CheckTexture(at, Field(c, "textureID"), Field(c, "animSet"));
      if (kind == "UIText" && !Field(c, "usebackground").empty()) CheckTexture(at, Field(c, "usebackground"));
      if (kind == "UIStattrak" && Field(c, "trakType") == "Image") {
        for (const char* state : {"imagestateActive", "imagestateInactive"}) {
          CheckTexture(at, Field(c, "textureSet"), Field(c, state));
        }
      }
      if (kind == "UIImage" && Field(root, "Name").find("Knob") != std::string::npos) {
        CheckKnobLooks(at, Field(c, "textureID"), Field(c, "animSet"));
      }
      if (kind != "UIButtonlist") continue;
      for (TiXmlElement* b = Framework::GetFirstChildElement(c); b; b = b->NextSiblingElement()) {
        if (b->ValueStr() != "Button") continue;
        for (const std::string& look : ButtonLooks(b)) {
          CheckTexture(at + " " + Field(b, "buttonName"), Field(b, "buttontextureSet"), look);
        }
      }
    }
  }

  // The looks a button shows: a push button its three states; a toggle its
  // off and on states, each with "Hover" added while focused; a slider its
  // track, with the hover state added while muted.
  static std::vector<std::string> ButtonLooks(TiXmlElement* button) {
    const std::string type = Field(button, "buttonType"), normal = Field(button, "defaultState");
    const std::string hover = Field(button, "hoverState"), select = Field(button, "selectState");
    if (type == "Toggle") return {normal, select, normal + "Hover", select + "Hover"};
    if (type == "Slider") return {normal, select, hover.empty() ? select : select + hover};
    return {normal, hover, select};
  }

  // A slider's knob image switches between its "...Default" and "...Muted" looks.
  void CheckKnobLooks(const std::string& where, const std::string& texture, const std::string& look) {
    for (const char* ending : {"Default", "Muted"}) {
      for (const char* other : {"Default", "Muted"}) {
        const std::size_t at = look.find(ending);
        if (at != std::string::npos) CheckTexture(where, texture, look.substr(0, at) + other);
      }
    }
  }

  ScopedWorkingFolder cwd_;
  std::map<std::string, Framework::TextureEntry> entries_;
  std::map<std::string, Framework::AudioEntry> sounds_, music_;
  std::map<std::string, std::string> effectTextures_;  // effect object name -> its sprite's texture
  std::vector<std::string> problems_;
};

std::string Listed(const std::vector<std::string>& problems) {
  std::ostringstream out;
  for (const std::string& problem : problems) out << "\n  " << problem;
  return out.str();
}

// The looks the game's code composes: a move plus "Left", "Up" or "Down".
void CheckCharacterLook(DataNames& data, const std::string& look, const std::vector<std::string>& moves) {
  for (const std::string& move : moves) {
    for (const char* direction : {"Left", "Up", "Down"}) data.CheckTexture("look", look, move + direction);
  }
  data.CheckTexture("look", look, "Death");
}

TEST(ArchetypeNames, CommittedDataResolvesEveryName) {
  DataNames data(kSourceRoot);
  data.CheckTextureLists();
  data.CheckArchetypes();
  data.CheckCodeLiterals({kSourceRoot / "engine", kSourceRoot / "game"});
  EXPECT_TRUE(data.Problems().empty()) << Listed(data.Problems());
}

TEST(ArchetypeNames, TheArtHasEveryLookTheGameAsksFor) {
  DataNames data(kSourceRoot);
  for (const char* guest : {"NPCMale1", "NPCMale2", "NPCFemale1"}) {
    CheckCharacterLook(data, guest, {"Idle", "Walk", "Run", "Eat", "Dance", "Punch"});
  }
  CheckCharacterLook(data, "Detective", {"Idle", "Walk", "Run", "Arrest"});
  const std::map<std::string, std::vector<std::string>> looks = {
      {"Emote", {"Happy", "Dots", "Food"}},         {"Panic", {"Panic"}},
      {"faint_efx", {"Faint"}},                     {"explosion_efx", {"Explode"}},
      {"Siren", {"Siren"}},                         {"Sparkle", {}},
      {"AlarmBox", {"Normal", "Interacted", "Cooldown"}}, {"Meter", {"Frame", "Fill", "Arrow"}},
      {"Floor_Manor", {}}, {"Floor_Mall", {}}, {"Floor_Carnival", {}},
      {"Decor_Manor", {"Table"}}, {"Decor_Mall", {"Table"}}, {"Decor_Carnival", {"Stall"}}};
  for (const auto& [texture, animations] : looks) {
    data.CheckTexture("look", texture);
    for (const std::string& animation : animations) data.CheckTexture("look", texture, animation);
  }
  for (const char* prop : {"Food_Buffet", "Food_Punchbowl", "Food_Cake", "Jukebox", "PoolTable", "Piano"}) {
    for (const char* look : {"Normal", "Sabotaged", "Interact", "InteractSabotaged"}) {
      data.CheckTexture("prop", prop, look);
    }
  }
  for (const char* prop : {"Jukebox", "PoolTable", "Piano"}) data.CheckTexture("prop", prop, "Broken");
  EXPECT_TRUE(data.Problems().empty()) << Listed(data.Problems());
}

// A small Resources/ whose every name is wrong in one place.
TEST(ArchetypeNames, TyposInArchetypesListsAndCodeAreReported) {
  TempFolder root;
  const std::string image = (kSourceRoot / "tests/graphics/data/sheet_128x64.png").string();
  root.Write("Resources/texture.xml",
             "<TEXTURELIST><Guest><filepath string=\"" + image + "\"/>"
             "<IdleDown><numofFrames unsigned=\"4\"/><TOP Vec2=\"0,0\"/><BOT Vec2=\"128,32\"/></IdleDown>"
             "<Wide><numofFrames unsigned=\"1\"/><TOP Vec2=\"0,0\"/><BOT Vec2=\"256,32\"/></Wide>"
             "</Guest><Lost><filepath string=\"Resources/none.png\"/></Lost></TEXTURELIST>");
  root.Write("Resources/ui_textures.xml", "<TEXTURELIST/>");
  root.Write("Resources/Sound.txt", "Punch Resources/sounds/Punch.ogg\n");
  root.Write("Resources/BGM.txt", "Level1 Resources/music/Level1.ogg\n");
  root.Write("Resources/archetypes/guest.xml",
             "<Object><Name string=\"Guest\"/><Tag string=\"enemy\"/>"
             "<Sprite><textureID string=\"Gust\"/></Sprite>"
             "<Sprite><textureID string=\"Guest\"/><currentAnimSet string=\"IdleDwn\"/></Sprite>"
             "<UIButtonlist><Button><buttonName string=\"Play\"/><buttontextureSet string=\"Guest\"/>"
             "<defaultState string=\"IdleDown\"/><hoverState string=\"Hover\"/>"
             "<selectState string=\"IdleDown\"/></Button>"
             "<Button><buttonName string=\"Sound\"/><buttonType string=\"Slider\"/>"
             "<buttontextureSet string=\"Guest\"/><defaultState string=\"IdleDown\"/>"
             "<hoverState string=\"Muted\"/><selectState string=\"IdleDown\"/></Button>"
             "<Button><buttonName string=\"Full\"/><buttonType string=\"Toggle\"/>"
             "<buttontextureSet string=\"Guest\"/><defaultState string=\"IdleDown\"/>"
             "<hoverState string=\"Ignored\"/><selectState string=\"Wide\"/></Button>"
             "</UIButtonlist>"
             "<UIText><usebackground string=\"ui_panle\"/></UIText><UIText><text string=\"plain\"/></UIText></Object>");
  root.Write("Resources/level/level.xml", "<Object><Name string=\"Plain\"/><Sprite/></Object>");
  root.Write("Resources/level/settings.xml", "<Settings><Sprite><textureID string=\"Nope\"/></Sprite></Settings>");
  ASSERT_TRUE(Framework::WriteSceneIndex((root.Path() / "Resources/level/level.scene").string(),
                                         {"../archetypes/guest.xml", "missing.xml"}));
  root.Write("Resources/archetypes/Emote.xml", "<Object><Name string=\"Emote\"/><Tag string=\"efx\"/>"
                                              "<Sprite><textureID string=\"Guest\"/></Sprite></Object>");
  root.Write("game/Thing.cpp", "void F() { audio.PlaySound(\"Punh\"); audio.PlayBGM(\"Level1\"); "
                               "audio.PlayDrum(\"Level9Drum\"); sprite->SetTexture(\"Guest\"); }\n"
                               "void G() { ShowEmote(\"IdleDown\"); ShowEmote(\"Hapy\"); "
                               "ShowEffect(\"Panik\", \"\", 1); "
                               "Framework::EfxManager::Instance().Play(\"Emote\", at, 2.0f, \"Wide\"); }");

  DataNames data(root.Path());
  data.CheckTextureLists();
  data.CheckArchetypes();
  data.CheckCodeLiterals({root.Path() / "game"});
  const std::string all = Listed(data.Problems());
  for (const char* expected :
       {"no texture \"Gust\"", "no animation \"IdleDwn\"", "Play: texture \"Guest\" has no animation \"Hover\"",
        "no texture \"blank\"", "lists missing file missing.xml", "no sound \"Punh\"", "no music \"Level9Drum\"",
        "cannot read Resources/none.png", "animation \"Wide\" has no frames, leaves the image",
        "UIText: no texture \"ui_panle\"", "Sound: texture \"Guest\" has no animation \"IdleDownMuted\"",
        "Full: texture \"Guest\" has no animation \"IdleDownHover\"", "no animation \"WideHover\"",
        "Emote: texture \"Guest\" has no animation \"Hapy\"", "no effect object \"Panik\" tagged \"efx\""}) {
    EXPECT_NE(all.find(expected), std::string::npos) << expected << " in" << all;
  }
  EXPECT_EQ(all.find("Nope"), std::string::npos) << "a settings file is not an archetype:" << all;
  EXPECT_EQ(all.find("Ignored"), std::string::npos) << "a toggle shows no hover state of its own:" << all;
  EXPECT_EQ(data.Problems().size(), 15u) << all;
}

}  // namespace
