#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/GameObjectFactory.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/ListFiles.h"
#include "support/TestSupport.h"

namespace {

using Framework::XMLSerializer;

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// Levels that a reader taking every '<' and '>' at face value sees closed.
const std::vector<std::string> kDisguisedLevels = {
    "<a b=\"/>\">",   "<a b='/>'>",     "<a><!-- </a> -->", "<a><![CDATA[</a>]]>",
    "<a><?pi </a>",   "<a>&#</a>#9;",   "<a>&#x</a>x9;",    "<?xml version=\"1.0\"?><a>\xE0</a>"};

// The files that crashed the game: the real readers refuse them with an
// Error line before TinyXML recurses, and make nothing from them.
TEST(XmlShape, DeepFilesAreRefusedByTheRealReaders) {
  TestSupport::TempFolder folder;
  for (const std::string& level : kDisguisedLevels) {
    const std::string path = folder.Write("deep.xml", Repeat(level, 100000)).string();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Framework::GetFactory().CreateFromFile(path)) << level;
    EXPECT_TRUE(Framework::ReadTextureList(path).empty()) << level;
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Error: " + path + " nests its elements more than 1000 deep"),
              std::string::npos)
        << level;
  }
}

TEST(XmlShape, OnlyWhatTinyXmlWouldParseCountsAgainstTheBounds) {
  std::string attributes;
  for (int i = 0; i < 100; ++i) attributes += " a" + std::to_string(i) + "=''";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {Repeat("<a x=\"/>\">", 1000) + Repeat("</a>", 1000), ""},
      {"<b>" + Repeat("<a x=\"/>\">", 1000) + Repeat("</a>", 1001), "nests its elements more than 1000 deep"},
      {"<r v=\"" + Repeat("<a>", 5000) + "\"><!--" + Repeat("<a>", 5000) + "--></r>", ""},
      {"<?xml version=\"1.0\" encoding=\"latin1\"?><r>" + Repeat("<a>\xE0</a>", 5000) + "</r>", ""},
      {"<a" + attributes + "/>", ""},
      {"<a" + attributes + " z=''/>", "gives an element more than 100 attributes"},
      {"<?xml version=\"1.0\"?><a t=\"\xF0\x9F", "ends inside a UTF-8 character"},
      {"<a>" + std::string(4u << 20, ' ') + "</a>", "is larger than 4 MiB"}};
  TestSupport::TempFolder folder;
  XMLSerializer reader;
  for (const auto& [text, error] : cases) {
    const std::string path = folder.Write("case.xml", text).string();
    testing::internal::CaptureStderr();
    EXPECT_EQ(reader.Open(path, XMLSerializer::kRead), error.empty()) << text.substr(0, 80);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), error.empty() ? "" : "Error: " + path + " " + error + "\n");
  }
}

}  // namespace
