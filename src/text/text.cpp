#include "text/text.h"

#include <clocale>
#include <cwctype>
#include <locale.h>
#include <strings.h>

std::string toUpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string toLowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

namespace {

// Decodes one well-formed UTF-8 character at text[i], advancing i; any
// other byte stands for itself (as a lone surrogate) so that nothing is lost.
char32_t nextCharacter(const std::string& text, size_t& i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  char32_t raw = 0xDC00 + c;
  if (c < 0x80) {
    i++;
    return c;
  }
  // Lead bytes C0 and C1 could only start overlong forms, F5 and above only
  // values past U+10FFFF.
  size_t length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
  if (length == 0 || i + length > text.size()) {
    i++;
    return raw;
  }
  char32_t value = c & (0x7F >> length);
  for (size_t k = 1; k < length; k++) {
    unsigned char next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      i++;
      return raw;
    }
    value = (value << 6) | (next & 0x3F);
  }
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    i++;
    return raw;
  }
  i += length;
  return value;
}

void appendCharacter(std::string& out, char32_t c) {
  if (c >= 0xDC80 && c <= 0xDCFF) {
    out += static_cast<char>(c - 0xDC00);
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The C library's Unicode case tables, whatever locale the process runs in.
locale_t unicodeLocale() {
  static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

template <typename Map>
std::string mapCase(const std::string& text, Map map) {
  std::string out;
  out.reserve(text.size());
  locale_t locale = unicodeLocale();
  for (size_t i = 0; i < text.size();) {
    char32_t c = nextCharacter(text, i);
    bool raw = c >= 0xDC80 && c <= 0xDCFF;
    appendCharacter(out, raw || !locale ? c : static_cast<char32_t>(map(static_cast<wint_t>(c), locale)));
  }
  return out;
}

}  // namespace

bool isValidUtf8(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size();) {
    char32_t c = nextCharacter(bytes, i);
    if (c >= 0xDC80 && c <= 0xDCFF) return false;
  }
  return true;
}

std::string latin1ToUtf8(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char byte : bytes) appendCharacter(text, static_cast<unsigned char>(byte));
  return text;
}

std::u32string utf8Characters(const std::string& text) {
  std::u32string characters;
  for (size_t i = 0; i < text.size();) characters += nextCharacter(text, i);
  return characters;
}

std::string toUpperText(const std::string& text) { return mapCase(text, towupper_l); }
std::string toLowerText(const std::string& text) { return mapCase(text, towlower_l); }

std::string firstCharacters(const std::string& text, size_t count) {
  size_t end = 0;
  for (size_t n = 0; n < count && end < text.size(); n++) nextCharacter(text, end);
  return text.substr(0, end);
}

std::string lastCharacters(const std::string& text, size_t count) {
  size_t length = characterCount(text);
  if (count >= length) return text;
  size_t begin = 0;
  for (size_t n = 0; n < length - count; n++) nextCharacter(text, begin);
  return text.substr(begin);
}

size_t characterCount(const std::string& text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); count++) nextCharacter(text, i);
  return count;
}

std::string trimmed(const std::string& text, const char* characters) {
  size_t first = text.find_first_not_of(characters);
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(characters);
  return text.substr(first, last - first + 1);
}

std::vector<std::string> splitText(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string joinText(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (size_t i = 0; i < parts.size(); i++) text += (i ? separator : "") + parts[i];
  return text;
}

std::vector<std::string> listEntries(const std::string& text, char separator) {
  std::vector<std::string> entries;
  for (const std::string& part : splitText(text, separator)) {
    std::string entry = trimmed(part);
    if (!entry.empty()) entries.push_back(entry);
  }
  return entries;
}

size_t findIgnoringCase(const std::string& text, const std::string& token, size_t from) {
  for (size_t i = from; i <= text.size() && token.size() <= text.size() - i; i++)
    if (strncasecmp(text.c_str() + i, token.c_str(), token.size()) == 0) return i;
  return std::string::npos;
}

std::string replaceIgnoringCase(const std::string& text, const std::string& token, const std::string& value) {
  if (token.empty()) return text;
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (i + token.size() <= text.size() && strncasecmp(text.c_str() + i, token.c_str(), token.size()) == 0) {
      out += value;
      i += token.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string decimal(long long number) { return std::to_string(number); }
