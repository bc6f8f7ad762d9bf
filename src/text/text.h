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

// The first or last `count` characters of a UTF-8 text (all of it when
// shorter), and its number of characters; a malformed byte counts as one.
std::string firstCharacters(const std::string& text, size_t count);
std::string lastCharacters(const std::string& text, size_t count);
size_t characterCount(const std::string& text);

// The text without the given characters at both ends (blanks and tabs by default).
std::string trimmed(const std::string& text, const char* characters = " \t");

std::vector<std::string> splitText(const std::string& text, char separator);

// The entries of a list setting ("Arial, Tahoma"): split at the separator,
// each trimmed, empty ones left out.
std::vector<std::string> listEntries(const std::string& text, char separator);

// Replaces every occurrence of `token`, found without regard to ASCII letter
// case, by `value`; the search goes on after each inserted value.
std::string replaceIgnoringCase(const std::string& text, const std::string& token, const std::string& value);

// The value of a hexadecimal digit (either case); -1 for any other character.
int hexDigitValue(char c);

// Decimal text of a number.
std::string decimal(long long number);
