// The long options of the command line ("--WIDTH=640", "--INVERT", ...),
// their keyword lists, and profile files that carry the same options.
#pragma once
#include <cstdint>
#include <string>

// Reads a number as the command line does: blanks and tabs, a sign, then "$"
// and hexadecimal digits, "%" and binary digits, or decimal digits, up to
// the first other character; no digits give 0. Wraps like 64-bit arithmetic.
int64_t readNum(const std::string& text);

// Reads a decimal number with "." as its point, as scanf's "%f" does; 0 for
// text that is no number.
float readReal(const std::string& text);

// The number of a keyword in keyword list `list` (the value trimmed and
// upper-cased first); 0 for an unknown word, and for lists 14 and 15.
int32_t keywordValue(int list, const std::string& text);

// The lower-case keyword of a number in a list, "" when it has none. List 4
// (compressions) is read for one output format, whose own keywords it uses.
std::string keywordText(int list, int32_t number, const std::string& format = "");

enum class OptionResult { Applied, NotAnOption, BadValue, BadProfile };

// Applies the long option named by `name` (upper case) with `value`, as
// given on the command line: a value-taking option refuses an empty value or
// one that begins with "--" (BadValue); "--PROFILE" reads a profile file.
OptionResult applyLongOption(const std::string& name, const std::string& value);

// Applies the options of a profile file's "CLI" group in file order; false
// when the path is empty or the file cannot be read as a profile (see
// readIniFile).
[[nodiscard]] bool loadProfile(const std::string& path);
