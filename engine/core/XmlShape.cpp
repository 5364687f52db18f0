#include "engine/core/XmlShape.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace Framework {

std::string TinyXmlText(const std::string& raw) {
  std::string text;
  text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size() && raw[i] != '\0'; ++i) {
    if (raw[i] != '\r') {
      text += raw[i];
      continue;
    }
    text += '\n';
    if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
  }
  return text;
}

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
// Every byte from 127 up counts as a letter, as TinyXML has it.
bool IsLetter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 127 || std::isalpha(byte);
}
bool IsNameChar(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 127 || std::isalnum(byte) || c == '_' || c == '-' || c == '.' || c == ':';
}

bool StartsWith(const char* p, const char* tag, bool ignoreCase) {
  for (; *tag; ++p, ++tag) {
    const auto a = static_cast<unsigned char>(*p);
    const auto b = static_cast<unsigned char>(*tag);
    if (a == 0) return false;
    if (ignoreCase ? std::tolower(a) != std::tolower(b) : a != b) return false;
  }
  return true;
}

// Bytes of one character in TinyXML's UTF-8 mode, by its first byte.
int Utf8Length(unsigned char lead) {
  if (lead < 0xC2) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 1;
}

// Steps through a document as TinyXML's parser does. Every operation takes
// the read position and returns the next one, or null where TinyXML stops.
class TinyXmlWalk {
 public:
  explicit TinyXmlWalk(const std::string& raw) : text(TinyXmlText(raw)) {}

  XmlShape Measure() {
    const char* p = text.c_str();
    if (StartsWith(p, "\xEF\xBB\xBF", false)) utf8 = true;
    p = SkipSpace(p);
    bool encodingKnown = utf8;
    while (p && *p == '<') {
      const bool declaration = StartsWith(p, "<?xml", true);
      std::string encoding;
      p = ParseNode(p, declaration && !encodingKnown ? &encoding : nullptr);
      if (declaration && !encodingKnown) {
        // No encoding named, or UTF-8 named, switches TinyXML to UTF-8.
        const char* named = encoding.c_str();
        utf8 = *named == '\0' || StartsWith(named, "UTF-8", true) || StartsWith(named, "UTF8", true);
        encodingKnown = true;
      }
      p = SkipSpace(p);
    }
    return shape;
  }

 private:
  const char* SkipSpace(const char* p) const {
    if (!p || !*p) return nullptr;
    while (*p) {
      if (utf8 && (StartsWith(p, "\xEF\xBB\xBF", false) || StartsWith(p, "\xEF\xBF\xBE", false) ||
                   StartsWith(p, "\xEF\xBF\xBF", false))) {
        p += 3;
      } else if (IsSpace(*p)) {
        ++p;
      } else {
        break;
      }
    }
    return p;
  }

  static const char* SkipName(const char* p) {
    if (!p || !*p || !(IsLetter(*p) || *p == '_')) return nullptr;
    while (*p && IsNameChar(*p)) ++p;
    return p;
  }

  // One character of text or of a quoted value: an entity, a UTF-8
  // sequence or a single byte. value, when given, collects it.
  const char* NextChar(const char* p, std::string* value) {
    const int length = utf8 ? Utf8Length(static_cast<unsigned char>(*p)) : 1;
    if (length == 1) {
      if (*p == '&') return Entity(p, value);
      if (value) *value += *p;
      return p + 1;
    }
    for (int i = 1; i < length; ++i) {
      if (p[i] == '\0') {
        shape.cutOffCharacter = true;
        return nullptr;
      }
    }
    if (value) value->append(p, static_cast<std::size_t>(length));
    return p + length;
  }

  // A numeric reference runs to the next ';' when everything back from the
  // ';' to its '#' (or its 'x') is a digit, whatever lies before that.
  const char* Entity(const char* p, std::string* value) {
    if (p[1] == '#' && p[2]) {
      const bool hex = p[2] == 'x';
      if (hex && !p[3]) return nullptr;
      const char* semicolon = std::strchr(p + (hex ? 3 : 2), ';');
      if (!semicolon) return nullptr;
      unsigned long code = 0;
      unsigned long scale = 1;
      for (const char* q = semicolon - 1; *q != (hex ? 'x' : '#'); --q) {
        const auto c = static_cast<unsigned char>(*q);
        if (!(hex ? std::isxdigit(c) : std::isdigit(c))) return nullptr;
        code += scale * static_cast<unsigned long>(std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
        scale *= hex ? 16 : 10;
      }
      // Only the first declaration's value is ever kept, read before UTF-8
      // is known, so a reference stands for one byte here.
      if (value) *value += static_cast<char>(code);
      return semicolon + 1;
    }
    static const struct {
      const char* text;
      char character;
    } kNamed[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    for (const auto& named : kNamed) {
      if (std::strncmp(named.text, p, std::strlen(named.text)) == 0) {
        if (value) *value += named.character;
        return p + std::strlen(named.text);
      }
    }
    return p + 1;  // a lone '&' is dropped
  }

  // Characters up to the closing quote, which is stepped over.
  const char* QuotedValue(const char* p, char quote, std::string* value) {
    while (p && *p && *p != quote) p = NextChar(p, value);
    if (p && *p) ++p;
    return p && *p ? p : nullptr;
  }

  // name = value, the value quoted or running to a blank, '/' or '>'.
  const char* Attribute(const char* p, std::string* value) {
    p = SkipName(SkipSpace(p));
    p = SkipSpace(p);
    if (!p || *p != '=') return nullptr;
    p = SkipSpace(p + 1);
    if (!p) return nullptr;
    if (*p == '"' || *p == '\'') return QuotedValue(p + 1, *p, value);
    for (; *p && !IsSpace(*p) && *p != '/' && *p != '>'; ++p) {
      if (*p == '"' || *p == '\'') return nullptr;
      if (value) *value += *p;
    }
    return p;
  }

  // <?xml ... >: the version, encoding and standalone values are quoted
  // values; anything else runs to a blank or the '>'.
  const char* Declaration(const char* p, std::string* encoding) {
    p += 5;
    while (p && *p) {
      if (*p == '>') return p + 1;
      p = SkipSpace(p);
      if (!p) return nullptr;
      if (StartsWith(p, "version", true) || StartsWith(p, "standalone", true)) {
        p = Attribute(p, nullptr);
      } else if (StartsWith(p, "encoding", true)) {
        std::string value;
        p = Attribute(p, &value);
        if (encoding) *encoding = value;
      } else {
        while (*p && *p != '>' && !IsSpace(*p)) ++p;
      }
    }
    return nullptr;
  }

  static bool StartsElement(const char* p) { return IsLetter(p[1]) || p[1] == '_'; }

  static const char* SkipPast(const char* p, const char* end) {
    while (*p && !StartsWith(p, end, false)) ++p;
    return *p ? p + std::strlen(end) : p;
  }

  // A comment, CDATA, declaration or unknown node at p ('<').
  const char* ParseNode(const char* p, std::string* encoding) {
    if (StartsWith(p, "<?xml", true)) return Declaration(p, encoding);
    if (StartsWith(p, "<!--", false)) return SkipPast(p + 4, "-->");
    if (StartsWith(p, "<![CDATA[", false)) {
      p = SkipPast(p + 9, "]]>");
      return *p ? p : nullptr;
    }
    if (StartsElement(p)) return Element(p);
    while (*p && *p != '>') ++p;
    return *p ? p + 1 : p;
  }

  // A start tag at p. open: its content follows (it did not end in "/>").
  const char* StartTag(const char* p, bool& open) {
    shape.deepestNesting = std::max(shape.deepestNesting, depth + 1);
    p = SkipName(SkipSpace(p + 1));
    int attributes = 0;
    while (p && *p) {
      p = SkipSpace(p);
      if (!p) return nullptr;
      if (*p == '/') {
        open = false;
        return p[1] == '>' ? p + 2 : nullptr;
      }
      if (*p == '>') {
        open = true;
        return p + 1;
      }
      p = Attribute(p, nullptr);
      shape.mostAttributes = std::max(shape.mostAttributes, ++attributes);
    }
    return nullptr;
  }

  // "</name>". The name is not compared: where it differs TinyXML stops.
  const char* EndTag(const char* p) {
    p = SkipSpace(SkipName(p + 2));
    return p && *p == '>' ? p + 1 : nullptr;
  }

  // Text and other nodes inside an element, up to a child element's start
  // tag or an end tag.
  const char* Content(const char* p) {
    p = SkipSpace(p);
    while (p && *p) {
      if (*p != '<') {
        while (p && *p && *p != '<') p = IsSpace(*p) ? p + 1 : NextChar(p, nullptr);
        // TinyXML gives up on text that reaches the end or ends in a bare '<'.
        if (!p || !*p || !p[1]) return nullptr;
      } else if (p[1] == '/' || StartsElement(p)) {
        return p;
      } else {
        p = ParseNode(p, nullptr);
      }
      p = SkipSpace(p);
    }
    return nullptr;
  }

  // An element and everything inside it, without recursion.
  const char* Element(const char* p) {
    const int outer = depth;
    for (;;) {
      bool open = false;
      p = StartTag(p, open);
      if (!p) return nullptr;
      if (open) ++depth;
      while (depth > outer) {
        p = Content(p);
        if (!p) return nullptr;
        if (p[1] != '/') break;  // a child element
        p = EndTag(p);
        if (!p) return nullptr;
        --depth;
      }
      if (depth == outer) return p;
    }
  }

  const std::string text;
  bool utf8 = false;
  int depth = 0;
  XmlShape shape;
};

}  // namespace

XmlShape MeasureXml(const std::string& text) { return TinyXmlWalk(text).Measure(); }

}  // namespace Framework
