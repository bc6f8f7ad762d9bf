// Small text helpers shared by every subsystem. Texts are UTF-8.
#pragma once
#include <string>
#include <vector>

// ASCII-only case mapping, for keys, option names and extensions.
std::string toUpperAscii(std::string text);
std::string toLowerAscii(std::string text);
bool equalsIgnoringCase(const std::string& a, const std::string& b);

// Unicode case mapping of a UTF-8 text, character by character.
std::string toUpperText(const std::string& text);
std::string toLowerText(const std::string& text);

// The text without the given characters at both ends (blanks and tabs by default).
std::string trimmed(const std::string& text, const char* characters = " \t");

// The number of characters of a UTF-8 text (a malformed byte counts as one),
// and the `count` characters from character `first` on (fewer at the end).
size_t characterCount(const std::string& text);
std::string characterRange(const std::string& text, size_t first, size_t count);

std::vector<std::string> splitText(const std::string& text, char separator);

// Replaces every occurrence of `token`, found without regard to ASCII letter
// case, by `value`; the search goes on after each inserted value.
std::string replaceIgnoringCase(const std::string& text, const std::string& token, const std::string& value);

// The value of a hexadecimal digit (either case); -1 for any other character.
int hexDigitValue(char c);

// Decimal text of a number.
std::string decimal(long long number);
