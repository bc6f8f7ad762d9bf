#include "text/product.h"

#include "text/text.h"

const char* const ownershipNotice = "Copyright \u00A9 2026 Lumavex. All rights reserved.";

std::string versionText(int number) {
  // A point before the second and before the third digit; a last 0 goes.
  std::string digits = decimal(number);
  std::string text = digits.substr(0, 1);
  if (digits.size() > 1) text += "." + digits.substr(1, 1);
  if (digits.size() > 2) text += "." + digits.substr(2);
  if (text.back() == '0') text = text.substr(0, 3);
  return text;
}

std::string titleText() { return std::string(productName) + " " + versionText(versionNumber); }
