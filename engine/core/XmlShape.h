#pragma once
// TinyXML builds and frees nested elements by recursion and looks for a
// repeated attribute by walking the element's attributes, so a hostile
// document can exhaust the stack or take quadratic time. MeasureXml reads a
// document's text the way TinyXML's parser will (quoted values, comments,
// CDATA, declarations, entities and UTF-8 characters hide the same '<' and
// '>' from both), without building anything, so such a file can be refused
// before TinyXML sees it.
#include <string>

namespace Framework {

struct XmlShape {
  // Element levels open at once, the innermost element counted.
  int deepestNesting = 0;
  // Attributes on the element that has the most.
  int mostAttributes = 0;
  // A UTF-8 lead byte whose character runs past the end of the text:
  // TinyXML would read beyond its buffer.
  bool cutOffCharacter = false;
};

// The text as TinyXML's file loader hands it to the parser: up to the
// first NUL byte, CR LF and lone CR made LF.
std::string TinyXmlText(const std::string& raw);

// Where TinyXML stops at an error this reader may go on, which can only
// make the figures larger, never smaller.
XmlShape MeasureXml(const std::string& text);

}  // namespace Framework
