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

// Strict UTF-8: no overlong forms, no surrogates (U+D800 to U+DFFF), nothing
// above U+10FFFF, no lead bytes C0, C1 or F5 to FF, no cut sequences.
bool isValidUtf8(const std::string& bytes);

// Bytes read as ISO-8859-1 (byte 80 to FF is U+0080 to U+00FF), in UTF-8.
std::string latin1ToUtf8(const std::string& bytes);

// The characters of a UTF-8 text; a byte that is no part of a well-formed
// character stands for itself as U+DC80 to U+DCFF.
std::u32string utf8Characters(const std::string& text);

// The text without the given characters at both ends (blanks and tabs by default).
std::string trimmed(const std::string& text, const char* characters = " \t");

std::vector<std::string> splitText(const std::string& text, char separator);

// The parts one after the other with the separator between them.
std::string joinText(const std::vector<std::string>& parts, const std::string& separator);

// The entries of a list setting ("Arial, Tahoma"): split at the separator,
// each trimmed, empty ones left out.
std::vector<std::string> listEntries(const std::string& text, char separator);

// Where `token` first occurs in `text` at or after `from`, ASCII letters
// matched without regard to case; npos when it does not.
size_t findIgnoringCase(const std::string& text, const std::string& token, size_t from = 0);

// Replaces every occurrence of `token`, found without regard to ASCII letter
// case, by `value`; the search goes on after each inserted value.
std::string replaceIgnoringCase(const std::string& text, const std::string& token, const std::string& value);

// The value of a hexadecimal digit (either case); -1 for any other character.
int hexDigitValue(char c);

// Decimal text of a number.
std::string decimal(long long number);
