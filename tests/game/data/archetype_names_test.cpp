// Every name the game data leans on must resolve, or the game shows an
// untextured quad or plays silence without failing: the textures and
// animations the archetypes show, the looks the game's code asks for, the
// sounds and music the code plays, and the frames the texture lists cut out
// of their images. The real readers load everything; the checks run over the
// committed Resources/ and, to prove they bite, over broken copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/SceneManager.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/ImageFile.h"
#include "engine/graphics/ListFiles.h"
#include "engine/physics/MapperFF.h"
#include "engine/platform/SdlBackend.h"
#include "game/GameStart.h"
#include "game/match/Roles.h"
#include "game/scenes/GameScenes.h"
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

  bool HasAnimation(const std::string& texture, const std::string& animation) const {
    const auto entry = entries_.find(texture);
    if (entry == entries_.end()) return false;
    const auto& records = entry->second.animations;
    return std::any_of(records.begin(), records.end(), [&](const auto& record) { return record.name == animation; });
  }

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

// The moves the characters' code plays (a character turns a move into
// move + "Left"/"Up"/"Down", "Death" alone): each must be a whole set of
// every guest look (the Killer wears one) or of the Detective's, or the
// sprite falls back to another animation, whose frames its counter overruns.
TEST(ArchetypeNames, EveryMoveTheCharactersPlayIsInTheirLooks) {
  static const std::regex kCall(R"re(\b(?:PlayAnimation|Face)\(([^;"]*,[^;]*)\);|\bcurrentAnimation\s*=([^;]*);)re");
  static const std::regex kName(R"re("([A-Z][A-Za-z]*)")re");
  DataNames data(kSourceRoot);
  const auto complete = [&](const std::vector<std::string>& looks, const std::string& move) {
    return std::all_of(looks.begin(), looks.end(), [&](const std::string& look) {
      if (move == "Death") return data.HasAnimation(look, move);
      return data.HasAnimation(look, move + "Left") && data.HasAnimation(look, move + "Up") &&
             data.HasAnimation(look, move + "Down");
    });
  };
  std::set<std::string> moves;
  std::vector<std::string> missing;
  for (const auto& item : fs::recursive_directory_iterator(kSourceRoot / "game")) {
    const std::string text = TestSupport::ReadFile(item.path());
    for (std::sregex_iterator call(text.begin(), text.end(), kCall), end; call != end; ++call) {
      const std::string arguments = (*call)[1].str() + (*call)[2].str();
      for (std::sregex_iterator name(arguments.begin(), arguments.end(), kName); name != end; ++name) {
        const std::string move = (*name)[1];
        moves.insert(move);
        if (!complete({"NPCMale1", "NPCMale2", "NPCFemale1"}, move) && !complete({"Detective"}, move)) {
          missing.push_back(item.path().string() + ": " + move);
        }
      }
    }
  }
  EXPECT_GE(moves.size(), 8u) << "the scan found the calls: Idle Walk Run Eat Dance Punch Arrest Death";
  EXPECT_TRUE(missing.empty()) << Listed(missing);
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

// ---- The nine levels ------------------------------------------------------

const std::vector<std::string> kLevels = {"level1_1", "level1_2", "level1_3", "level2_1", "level2_2",
                                          "level2_3", "level3_1", "level3_2", "level3_3"};

// What a level's placed objects say about the floor: where each stands, its
// box, and whether it is a dish, a prop or decor in the way.
struct Placed {
  std::string name, tag;
  Math::Vec3 at;
  Math::Vec2 half;  // the box's half size; 0 without a box
  bool dish = false, blocks = false, intro = false, suicide = false, detective = false, killer = false;
  Math::Vec3 walkEnd;  // a DetectiveIntro's end position

  bool Contains(float x, float y, float margin = 0.0f) const {
    return half.x > 0 && std::fabs(x - at.x) < half.x + margin && std::fabs(y - at.y) < half.y + margin;
  }
  // The distance from a point to the box (to the position without a box).
  float DistanceFrom(const Math::Vec3& p) const {
    const float dx = std::max(std::fabs(p.x - at.x) - half.x, 0.0f);
    const float dy = std::max(std::fabs(p.y - at.y) - half.y, 0.0f);
    return std::sqrt(dx * dx + dy * dy);
  }
};

Placed ReadPlaced(const fs::path& file) {
  Placed placed;
  Framework::XMLSerializer reader;
  if (!reader.Open(file.string(), Framework::XMLSerializer::kRead) || !reader.GetCursor()) return placed;
  TiXmlElement* root = reader.GetCursor();
  for (TiXmlElement* c = Framework::GetFirstChildElement(root); c; c = c->NextSiblingElement()) {
    const std::string kind = c->ValueStr();
    if (kind == "Name") Framework::ReadElement(c, placed.name, "Name");
    if (kind == "Tag") Framework::ReadElement(c, placed.tag, "Tag");
    if (kind == "Transform") Framework::ReadElement(c, placed.at, "position");
    if (kind == "AABB") {
      Framework::ReadElement(c, placed.half.x, "mRadiusX");
      Framework::ReadElement(c, placed.half.y, "mRadiusY");
    }
    placed.dish |= kind == "Poisonable";
    placed.intro |= kind == "DetectiveIntro";
    placed.suicide |= kind == "NPCSuicide";
    placed.detective |= kind == "Detective";
    placed.killer |= kind == "Killer";
    if (kind == "DetectiveIntro") Framework::ReadElement(c, placed.walkEnd, "endPosition");
  }
  placed.blocks = placed.tag == "decor" && placed.half.x > 0;
  return placed;
}

// A level as its index lists it, in order.
std::vector<Placed> ReadLevel(const std::string& level) {
  const fs::path folder = kSourceRoot / "Resources" / level;
  std::vector<std::string> entries;
  Framework::ReadSceneIndex((folder / (level + ".scene")).string(), entries);
  std::vector<Placed> placed;
  for (const std::string& entry : entries) placed.push_back(ReadPlaced(folder / entry));
  return placed;
}

class LevelFloor {
 public:
  explicit LevelFloor(const std::vector<Placed>& objects) : objects_(objects) {
    TestSupport::ScopedWorkingFolder inSource(kSourceRoot);
    grid_.Load(MapperFF::kDefaultPath, 1280, 720);
  }

  // A person of the guests' size can stand here: walkable, clear of decor
  // and of every prop but the one it walks to.
  bool Free(float x, float y, const Placed* goal) const {
    if (!grid_.IsWalkable(x, y)) return false;
    for (const Placed& object : objects_) {
      if (&object != goal && (object.blocks || object.tag == "interactable") && object.Contains(x, y, 8.0f)) {
        return false;
      }
    }
    return true;
  }

  // Every step of the straight walk from `from` until it reaches `goal`'s
  // box (or `to` without a goal) is free floor.
  bool OpenWalk(const Math::Vec3& from, const Math::Vec3& to, const Placed* goal = nullptr) const {
    const float length = std::hypot(to.x - from.x, to.y - from.y);
    for (float done = 0.0f; done <= length; done += 4.0f) {
      const float t = length > 0 ? done / length : 0.0f;
      const float x = from.x + (to.x - from.x) * t, y = from.y + (to.y - from.y) * t;
      if (goal && goal->Contains(x, y, 8.0f)) return true;
      if (!Free(x, y, goal)) return false;
    }
    return true;
  }

  // The prop that the forced guest would walk to from `from`: the nearest
  // object tagged "interactable" by position.
  const Placed* NearestProp(const Math::Vec3& from) const {
    const Placed* nearest = nullptr;
    float best = -1.0f;
    for (const Placed& object : objects_) {
      if (object.tag != "interactable") continue;
      const float d = std::hypot(object.at.x - from.x, object.at.y - from.y);
      if (best < 0 || d < best) best = d, nearest = &object;
    }
    return nearest;
  }

 private:
  const std::vector<Placed>& objects_;
  MapperFF grid_;
};

const Placed* Named(const std::vector<Placed>& objects, const std::string& name) {
  for (const Placed& object : objects) {
    if (object.name == name) return &object;
  }
  return nullptr;
}

int Count(const std::vector<Placed>& objects, const std::string& tag) {
  return static_cast<int>(std::count_if(objects.begin(), objects.end(),
                                        [&](const Placed& object) { return object.tag == tag; }));
}

// The objects the match scene, the Detective and the effects look up by
// name, and the meter before the Detective, who finds it when it starts.
void CheckMatchObjects(const std::string& level, const std::vector<Placed>& objects,
                       std::vector<std::string>& problems) {
  for (const char* name : {"Player1", "Player2", "DetectiveStart", "BlackScreen", "UIDetectiveHUD", "DWinPanel",
                           "KWinPanel", "explosion_efx", "Siren", "Panic", "Emote", "faint_efx", "ReloadFrame",
                           "ReloadFill_Red", "ReloadFill_Yellow", "ReloadFill_Green", "ReloadArrow"}) {
    if (!Named(objects, name)) problems.push_back(level + ": no object named " + name);
  }
  const Placed* detective = Named(objects, "Player1");
  if (detective && !detective->detective) problems.push_back(level + ": Player1 is not the Detective");
  const Placed* killer = Named(objects, "Player2");
  if (killer && !killer->killer) problems.push_back(level + ": Player2 is not the Killer");
  const Placed* start = Named(objects, "DetectiveStart");
  if (start && !(start->intro && start->suicide)) problems.push_back(level + ": DetectiveStart has no opening");
  if (Count(objects, "enemy") == 0) problems.push_back(level + ": no guests");
}

// The forced guest (the first guest, or the Killer in its place when the
// match swaps them) eats from the prop nearest to it, so that prop is a
// dish it can walk to; the Detective walks in on open floor.
void CheckOpening(const std::string& level, const std::vector<Placed>& objects, std::vector<std::string>& problems) {
  LevelFloor floor(objects);
  const auto first = std::find_if(objects.begin(), objects.end(), [](const Placed& o) { return o.tag == "enemy"; });
  const Placed* killer = Named(objects, "Player2");
  for (const Placed* opener : {first == objects.end() ? nullptr : &*first, killer}) {
    if (!opener) continue;
    const Placed* prop = floor.NearestProp(opener->at);
    const std::string who = level + ": from " + opener->name + " the nearest prop ";
    if (!prop || !prop->dish) {
      problems.push_back(who + (prop ? prop->name + " is no dish" : "is missing"));
    } else if (!floor.OpenWalk(opener->at, prop->at, prop)) {
      problems.push_back(who + prop->name + " is not reached over open floor");
    }
  }
  const Placed* start = Named(objects, "DetectiveStart");
  if (start && !floor.OpenWalk(start->at, start->walkEnd)) {
    problems.push_back(level + ": the Detective's entrance crosses blocked floor");
  }
  for (const Placed& person : objects) {
    if ((person.tag == "enemy" || person.tag == "player") && !floor.Free(person.at.x, person.at.y, nullptr)) {
      problems.push_back(level + ": " + person.name + " stands on blocked floor or in a box");
    }
  }
}

TEST(LevelData, EveryLevelHasItsMatchObjectsAndAnOpeningThatMakesSense) {
  std::vector<std::string> problems;
  std::map<std::string, std::vector<int>> guestsByVenue;
  for (const std::string& level : kLevels) {
    const std::vector<Placed> objects = ReadLevel(level);
    CheckMatchObjects(level, objects, problems);
    CheckOpening(level, objects, problems);
    guestsByVenue[level.substr(0, 6)].push_back(Count(objects, "enemy"));
    if (!fs::exists(kSourceRoot / "Resources" / level / "panic_info.xml")) problems.push_back(level + ": no panic_info.xml");
  }
  for (const auto& [venue, guests] : guestsByVenue) {
    EXPECT_TRUE(std::is_sorted(guests.begin(), guests.end())) << venue << ": later layouts have fewer guests";
  }
  EXPECT_LE(guestsByVenue["level3"].back(), 40);
  EXPECT_TRUE(problems.empty()) << Listed(problems);
}

// The checks above find a level whose opening is broken.
TEST(LevelData, ABrokenOpeningIsReported) {
  auto make = [](const char* name, const char* tag, float x, float y, float halfX = 0.0f, float halfY = 0.0f) {
    Placed placed;
    placed.name = name, placed.tag = tag, placed.at = Math::Vec3(x, y, 0), placed.half = Math::Vec2(halfX, halfY);
    return placed;
  };
  Placed guest = make("NPC_1", "enemy", 0, 0, 16, 24), jukebox = make("Jukebox", "interactable", 100, 0, 48, 30);
  Placed cake = make("Food_Cake", "interactable", -300, 0, 44, 26), table = make("Decor_Table", "decor", -150, 0, 60, 30);
  cake.dish = table.blocks = true;
  Placed start = make("DetectiveStart", "untagged", -700, -300);
  start.intro = start.suicide = true;
  start.walkEnd = Math::Vec3(-500, -300, 0);
  std::vector<std::string> problems;
  CheckOpening("broken", {guest, jukebox, cake, table, start}, problems);
  CheckMatchObjects("broken", {guest, jukebox, cake, table, start}, problems);
  const std::string all = Listed(problems);
  for (const char* expected : {"from NPC_1 the nearest prop Jukebox is no dish", "entrance crosses blocked floor",
                               "no object named Player1", "no object named ReloadArrow"}) {
    EXPECT_NE(all.find(expected), std::string::npos) << expected << " in" << all;
  }
  jukebox.at.x = 400;  // the cake is nearest now, behind the table
  problems.clear();
  CheckOpening("broken", {guest, jukebox, cake, table}, problems);
  EXPECT_NE(Listed(problems).find("Food_Cake is not reached over open floor"), std::string::npos) << Listed(problems);
}

// ---- Loading every scene ---------------------------------------------------

// The lines of a scene's load that say something was missing or refused:
// an "Error:" line, a "... not found." and the field reports of the readers.
std::vector<std::string> ComplaintsIn(const std::string& output) {
  std::vector<std::string> complaints;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("Error:") != std::string::npos || line.find("not found") != std::string::npos ||
        line.find("Objname:") != std::string::npos) {
      complaints.push_back(line);
    }
  }
  return complaints;
}

// The real game (its window on the test display, shipped Resources/) goes
// to each of its fourteen scenes in turn; building every archetype they list
// and starting the scene must not complain.
TEST(SceneData, EachOfTheFourteenScenesLoadsWithoutComplaint) {
  ScopedWorkingFolder inSource(kSourceRoot);
  Platform::SetBackend(std::make_unique<Platform::SdlBackend>());
  StartGame();
  detectiveController = 1;
  killerController = 2;
  AddGameScenes();
  Framework::Engine& engine = Framework::GetEngine();
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  for (const char* scene : {"splash", "mainmenu", "playerselect", "levelselect", "tutorial", "level1_1", "level1_2",
                            "level1_3", "level2_1", "level2_2", "level2_3", "level3_1", "level3_2", "level3_3"}) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    scenes.ChangeScene(scene);
    int shown = 0;
    for (int frame = 0; frame < 2000 && shown < 30; ++frame) {
      engine.RunFrame();
      if (scenes.CurrentSceneKey() == scene && scenes.FadeValue() <= 0.0f) ++shown;
    }
    const std::string output = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    EXPECT_EQ(shown, 30) << scene << " did not come up";
    const std::vector<std::string> complaints = ComplaintsIn(output);
    EXPECT_TRUE(complaints.empty()) << scene << ":" << Listed(complaints);
  }
  engine.Shutdown();
  Platform::SetBackend(nullptr);
}

}  // namespace
