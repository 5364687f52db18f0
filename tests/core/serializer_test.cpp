#include <clocale>
#include <fstream>
#include <locale>
#include <string>

#include <gtest/gtest.h>

#include "engine/core/TextSerializer.h"
#include "engine/core/XMLSerializer.h"
#include "tests/support/CoreFileSupport.h"
#include "tests/support/TestSupport.h"

using Framework::TextSerializer;
using Framework::XMLSerializer;
using Math::Vec2;
using Math::Vec3;
using Math::Vec4;

namespace {

std::string WriteBytes(const TestSupport::TempFolder& folder, const std::string& bytes) {
  return folder.Write("data.bin", bytes).string();
}

using TestSupport::Int32Bytes;

std::string ElementText(TiXmlElement* element) {
  TiXmlPrinter printer;
  printer.SetStreamPrinting();
  element->Accept(&printer);
  delete element;
  return printer.Str();
}

}  // namespace

// ---- binary and text files ----

TEST(TextSerializer, BinaryStringLayoutRoundTrips) {
  TestSupport::TempFolder folder;
  const std::string path = (folder.Path() / "index.scene").string();
  {
    TextSerializer writer;
    ASSERT_TRUE(writer.OpenWrite(path, true));
    writer.WriteString("ab");
  }
  EXPECT_EQ(std::string("\x03\x00\x00\x00" "ab\0", 7), TestSupport::ReadFile(path));

  TextSerializer reader;
  ASSERT_TRUE(reader.Open(path, true));
  std::string value;
  reader.ReadString(value);
  EXPECT_EQ("ab", value);
  EXPECT_TRUE(reader.IsGood());
}

TEST(TextSerializer, BinaryEntryWithoutNulKeepsAllBytes) {
  TestSupport::TempFolder folder;
  TextSerializer reader;
  ASSERT_TRUE(reader.Open(WriteBytes(folder, Int32Bytes(3) + "xyz"), true));
  std::string value;
  reader.ReadString(value);
  EXPECT_EQ("xyz", value);
}

TEST(TextSerializer, BadBinaryFilesEndCleanly) {
  TestSupport::TempFolder folder;
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"truncated count", std::string("\x02\x00", 2)},
      {"truncated string", Int32Bytes(10) + "abc"},
      {"negative length", Int32Bytes(-1) + "abcdef"},
      {"huge length", Int32Bytes(2147483647) + "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TextSerializer reader;
    ASSERT_TRUE(reader.Open(folder.Write(std::string(c.what) + ".bin", c.bytes).string(), true));
    std::string value = "unchanged";
    reader.ReadString(value);
    EXPECT_EQ("", value);
    EXPECT_FALSE(reader.IsGood());
  }
  TextSerializer empty;
  ASSERT_TRUE(empty.Open(WriteBytes(folder, ""), true));
  int count = 7;
  empty.ReadInt(count);
  EXPECT_EQ(0, count);
  EXPECT_FALSE(empty.IsGood());
}

TEST(TextSerializer, TextModeReadsWordsAndNumbers) {
  TestSupport::TempFolder folder;
  const std::string path = (folder.Path() / "config.cfg").string();
  {
    TextSerializer writer;
    ASSERT_TRUE(writer.OpenWrite(path, false));
    writer.WriteString("two words");
    writer.WriteInt(1280);
  }
  EXPECT_EQ("two words\n1280\n", TestSupport::ReadFile(path));

  TextSerializer reader;
  ASSERT_TRUE(reader.Open(folder.Write("plain.txt", "title 1.5 720").string(), false));
  std::string word;
  float ratio = 0;
  int height = 0;
  reader.ReadString(word);
  reader.ReadFloat(ratio);
  EXPECT_TRUE(reader.IsGood());
  reader.ReadInt(height);
  EXPECT_EQ("title", word);
  EXPECT_FLOAT_EQ(1.5f, ratio);
  EXPECT_EQ(720, height);
  EXPECT_FALSE(reader.IsGood());  // the last value ends the file

  TextSerializer missing;
  EXPECT_FALSE(missing.Open((folder.Path() / "nope.txt").string(), false));
  EXPECT_FALSE(missing.IsGood());
}

// ---- typed fields ----

TEST(XMLFields, EveryTypeRoundTrips) {
  auto* root = new TiXmlElement("Settings");
  Framework::AppendField(root, "speed", "float", 0.1f);
  Framework::AppendField(root, "count", "unsigned", 42u);
  Framework::AppendField(root, "mask", "unsigned", 4000000000u);
  Framework::AppendField(root, "offset", "int", -7);
  Framework::AppendField(root, "visible", "bool", false);
  Framework::AppendField(root, "label", "string", std::string("two words"));
  Framework::AppendField(root, "size", "Vec2", Vec2(1.5f, -2));
  Framework::AppendField(root, "position", "Vec3", Vec3(0.1f, 0, 0));
  Framework::AppendField(root, "tint", "Vec4", Vec4(1, 0.5f, 0.25f, 1));

  EXPECT_EQ("0.1", Framework::GetFirstAttributeValue(root->FirstChildElement("speed")));
  EXPECT_EQ("0.100000,0.000000,0.000000", Framework::GetFirstAttributeValue(root->FirstChildElement("position")));
  EXPECT_EQ("false", Framework::GetFirstAttributeValue(root->FirstChildElement("visible")));

  float speed = 0;
  unsigned count = 0;
  int offset = 0;
  bool visible = true;
  std::string label;
  Vec2 size;
  Vec3 position;
  Vec4 tint;
  EXPECT_TRUE(Framework::ReadElement(root, speed, "speed"));
  EXPECT_TRUE(Framework::ReadElement(root, count, "count"));
  unsigned mask = 0;
  EXPECT_TRUE(Framework::ReadElement(root, mask, "mask"));
  EXPECT_EQ(4000000000u, mask) << "large unsigned values survive the round trip";
  EXPECT_TRUE(Framework::ReadElement(root, offset, "offset"));
  EXPECT_TRUE(Framework::ReadElement(root, visible, "visible"));
  EXPECT_TRUE(Framework::ReadElement(root, label, "label"));
  EXPECT_TRUE(Framework::ReadElement(root, size, "size"));
  EXPECT_TRUE(Framework::ReadElement(root, position, "position"));
  EXPECT_TRUE(Framework::ReadElement(root, tint, "tint"));
  EXPECT_FLOAT_EQ(0.1f, speed);
  EXPECT_EQ(42u, count);
  EXPECT_EQ(-7, offset);
  EXPECT_FALSE(visible);
  EXPECT_EQ("two words", label);
  EXPECT_EQ(Vec2(1.5f, -2), size);
  EXPECT_NEAR(0.1f, position.x, 1e-6f);
  EXPECT_EQ(Vec4(1, 0.5f, 0.25f, 1), tint);
  delete root;
}

TEST(XMLFields, FlagRule) {
  auto readFlag = [](const char* text) {
    TiXmlElement element("flag");
    element.SetAttribute("bool", text);
    bool value = !Framework::ParseBool(text);
    Framework::ReadElement(&element, value, "flag");
    return value;
  };
  EXPECT_FALSE(readFlag("FALSE"));
  EXPECT_FALSE(readFlag("0"));
  EXPECT_TRUE(readFlag("yes"));
  EXPECT_TRUE(readFlag(""));
  EXPECT_TRUE(readFlag("True"));
}

TEST(XMLFields, ShortVectorsAndMissingAttributesAreSafe) {
  TiXmlElement shortVec("position");
  shortVec.SetAttribute("Vec3", "1,2");
  Vec3 value(9, 9, 9);
  Framework::ParseVec3(&shortVec, value);
  EXPECT_EQ(Vec3(1, 2, 0), value);
  Framework::ParseVec3(&shortVec, value);

  TiXmlElement spaced("tint");
  spaced.SetAttribute("Vec4", "1.5, 2 ,3");
  Vec4 tint;
  Framework::ParseVec4(&spaced, tint);
  EXPECT_EQ(Vec4(1.5f, 2, 3, 0), tint);

  // <label/>: the silent reader reports the field found and keeps the value.
  TiXmlElement bare("label");
  std::string label = "kept";
  EXPECT_TRUE(Framework::ReadElement(&bare, label, "label"));
  EXPECT_EQ("kept", label);
  EXPECT_EQ("", Framework::GetFirstAttributeValue(&bare));
  EXPECT_EQ("", Framework::GetFirstAttributeValue(nullptr));
}

TEST(XMLFields, NumbersIgnoreTheProcessLocale) {
  // A locale with a decimal comma must not change what files mean.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
    GTEST_SKIP() << "no decimal-comma locale installed";
  }
  const std::locale savedGlobal = std::locale::global(std::locale(std::setlocale(LC_NUMERIC, nullptr)));
  EXPECT_FLOAT_EQ(0.5f, Framework::ParseFloat("0.5"));
  EXPECT_EQ("0.5", Framework::FormatFloat(0.5f));
  EXPECT_EQ("0.500000,1.000000", Framework::Vec2ToString(Vec2(0.5f, 1)));
  EXPECT_EQ(Vec3(0.5f, 1.5f, 2), Framework::ParseVec3Text("0.5,1.5,2"));

  TestSupport::TempFolder folder;
  TextSerializer reader;
  ASSERT_TRUE(reader.Open(folder.Write("config.txt", "1.5 720").string(), false));
  float ratio = 0;
  int height = 0;
  reader.ReadFloat(ratio);
  reader.ReadInt(height);
  EXPECT_FLOAT_EQ(1.5f, ratio);
  EXPECT_EQ(720, height);
  std::locale::global(savedGlobal);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

// ---- searching documents ----

class XMLDocument : public ::testing::Test {
 protected:
  std::string Save(const std::string& name, const std::string& xml) {
    return folder.Write(name, xml).string();
  }
  TestSupport::TempFolder folder;
};

TEST_F(XMLDocument, NamedReaderSearchesFollowingSiblingsSilentReaderDoesNot) {
  const std::string path = Save("guest.xml",
                                "<Object><Tag string=\"enemy\"/>"
                                "<Transform><position Vec3=\"1,2,3\"/></Transform>"
                                "<Sprite><rotation float=\"30\"/></Sprite></Object>");
  XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path, XMLSerializer::kRead));
  ASSERT_TRUE(reader.FindElement("Transform", reader.GetCursor()));
  TiXmlElement* transformElement = reader.GetCursor();

  float rotation = 0;
  EXPECT_FALSE(Framework::ReadElement(transformElement, rotation, "rotation"));
  EXPECT_FLOAT_EQ(0.0f, rotation);

  reader.BeginComponent("Transform");
  Vec3 position;
  EXPECT_TRUE(Framework::XMLReadVector3(reader, position, "position"));
  EXPECT_TRUE(Framework::XMLReadFloat(reader, rotation, "rotation"));  // found in <Sprite>
  reader.EndComponent();
  EXPECT_EQ(Vec3(1, 2, 3), position);
  EXPECT_FLOAT_EQ(30.0f, rotation);
  EXPECT_EQ(transformElement, reader.GetCursor());
  EXPECT_TRUE(reader.MoveToNextSibling());
  EXPECT_EQ("Sprite", reader.GetCurrentName());
}

TEST_F(XMLDocument, NamedReaderMissPrintsTwoLinesAndKeepsValue) {
  const std::string path = Save("plain.xml", "<Object><Transform><scale Vec3=\"2,2,1\"/></Transform></Object>");
  XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path, XMLSerializer::kRead));
  reader.BeginComponent("Transform");
  float rotation = 12;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(Framework::XMLReadFloat(reader, rotation, "rotation"));
  const std::string printed = testing::internal::GetCapturedStderr();
  reader.EndComponent();
  EXPECT_EQ("    " + path + "\n    Objname: rotation\n", printed);
  EXPECT_FLOAT_EQ(12.0f, rotation);

  // A bare element reads as an empty value rather than failing.
  const std::string barePath = Save("bare.xml", "<Object><Transform><rotation/></Transform></Object>");
  XMLSerializer bare;
  ASSERT_TRUE(bare.Open(barePath, XMLSerializer::kRead));
  EXPECT_TRUE(Framework::XMLReadFloat(bare, rotation, "rotation"));
  EXPECT_FLOAT_EQ(0.0f, rotation);
  bool flag = false;
  EXPECT_TRUE(Framework::XMLReadBool(bare, flag, "rotation"));
  EXPECT_TRUE(flag);
}

TEST_F(XMLDocument, HundredThousandSiblingsDoNotExhaustTheStack) {
  std::string xml = "<Object>";
  for (int i = 0; i < 100000; ++i) xml += "<e/>";
  xml += "<last int=\"5\"/></Object>";
  const std::string path = Save("wide.xml", xml);
  XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path, XMLSerializer::kRead));
  ASSERT_TRUE(reader.FindElement("e", reader.GetCursor()));
  int value = 0;
  EXPECT_TRUE(Framework::XMLReadInt(reader, value, "last"));
  EXPECT_EQ(5, value);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(Framework::XMLReadInt(reader, value, "absent"));
  testing::internal::GetCapturedStderr();
}

TEST_F(XMLDocument, OpenFailuresAndWriteMode) {
  XMLSerializer broken;
  EXPECT_FALSE(broken.Open(Save("broken.xml", "<Object><unclosed></Object>"), XMLSerializer::kRead));
  EXPECT_FALSE(broken.IsGood());
  EXPECT_FALSE(broken.Open((folder.Path() / "missing.xml").string(), XMLSerializer::kRead));
  EXPECT_FALSE(broken.Open((folder.Path() / "x.xml").string(), true));  // the (path, bool) form
  // A folder (an empty index entry names the scene folder itself) and a
  // file nested deep enough to overflow TinyXML's recursion both fail cleanly.
  EXPECT_FALSE(broken.Open(folder.Path().string(), XMLSerializer::kRead));
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  for (int i = 0; i < 200000; ++i) deep += "</a>";
  testing::internal::CaptureStderr();
  EXPECT_FALSE(broken.Open(Save("deep.xml", deep), XMLSerializer::kRead));
  EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("Error: "));
  std::string nested = "<Object>";
  for (int i = 0; i < 50; ++i) nested += "<a/><b>";
  nested += "<leaf int=\"3\"/>";
  for (int i = 0; i < 50; ++i) nested += "</b>";
  EXPECT_TRUE(broken.Open(Save("nested.xml", nested + "</Object>"), XMLSerializer::kRead));
  int leaf = 0;
  EXPECT_TRUE(Framework::ReadElement(broken.GetCursor(), leaf, "leaf"));
  EXPECT_EQ(3, leaf);

  const std::string path = (folder.Path() / "written.xml").string();
  XMLSerializer writer;
  ASSERT_TRUE(writer.Open(path, XMLSerializer::kWrite));
  EXPECT_TRUE(writer.IsGood());
  auto* root = new TiXmlElement("Settings");
  Framework::AppendField(root, "enabled", "bool", true);
  writer.GetDocument()->LinkEndChild(root);
  writer.Close();
  EXPECT_FALSE(writer.IsGood());
  const std::string saved = TestSupport::ReadFile(path);
  EXPECT_NE(std::string::npos, saved.find("<?xml version=\"1.0\" ?>"));
  EXPECT_NE(std::string::npos, saved.find("<enabled bool=\"true\" />"));

  TiXmlElement* empty = nullptr;
  Framework::MakeEmptyElement(empty, "name", "string");
  EXPECT_EQ("<name string=\"\" />", ElementText(empty));
}
