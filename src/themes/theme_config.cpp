#include "themes/theme_config.h"

#include "text/text.h"

std::string configValue(const std::string& text, const std::string& section, const std::string& key) {
  std::string header = "[" + section + "]";
  size_t headerAt = findIgnoringCase(text, header);
  if (headerAt == std::string::npos) return "";
  size_t sectionEnd = text.find('[', headerAt + header.size());
  if (sectionEnd == std::string::npos) sectionEnd = text.size();

  size_t lineAt = findIgnoringCase(text, "\r\n" + key, headerAt);
  if (lineAt == std::string::npos || lineAt >= sectionEnd) return "";
  size_t lineEnd = text.find("\r\n", lineAt + 2);
  if (lineEnd == std::string::npos) return "";

  std::string line = text.substr(lineAt, lineEnd - lineAt);
  size_t equals = line.find('=');
  if (equals == std::string::npos) return "";
  size_t nextEquals = line.find('=', equals + 1);
  size_t length = nextEquals == std::string::npos ? std::string::npos : nextEquals - equals - 1;
  return trimmed(line.substr(equals + 1, length), " \t\r\n");
}

std::string pictureEntryName(const std::string& value, int size) {
  if (findIgnoringCase(value, ".png") != std::string::npos) return value;
  return value + "_" + decimal(size) + ".png";
}

int toolbarIconSize(int32_t uiSize) {
  static const int sizes[] = {16, 24, 32, 48, 64};
  return uiSize >= 0 && uiSize < 5 ? sizes[uiSize] : 16;
}
