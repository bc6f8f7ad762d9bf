#include "text/numbers.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

#include "text/text.h"

namespace {

locale_t cLocale() {
  static locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

int64_t readNum(const std::string& text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == '%')) base = text[i++] == '$' ? 16 : 2;
  uint64_t value = 0;
  for (int digit; i < text.size() && (digit = hexDigitValue(text[i])) >= 0 && digit < base; i++)
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  return static_cast<int64_t>(negative ? 0 - value : value);
}

float readReal(const std::string& text) {
  const char* start = text.c_str();
  char* end = nullptr;
  float value = strtof_l(start, &end, cLocale());
  return end == start ? 0.0f : value;
}

double readCDouble(const std::string& text) { return strtod_l(text.c_str(), nullptr, cLocale()); }

std::string fixedText(double value, int decimals) {
  // The thread's own locale is switched, so another thread's output is not
  // affected while this one formats.
  locale_t previous = uselocale(cLocale());
  char buffer[512];
  snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  uselocale(previous);
  return buffer;
}
