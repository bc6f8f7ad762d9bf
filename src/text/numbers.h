// Reading and writing numbers as text, the same whatever locale the process
// runs in: the window toolkit sets the locale from the environment, and a
// gamma of 1.5 must never become "1,500000".
#pragma once
#include <cstdint>
#include <string>

// Reads a number as the user types it and the command line gives it: blanks
// and tabs, a sign, then "$" and hexadecimal digits, "%" and binary digits,
// or decimal digits, up to the first other character; no digits give 0.
// Wraps like 64-bit arithmetic.
int64_t readNum(const std::string& text);

// Reads a decimal number with "." as its point, as scanf's "%f" does in the
// C locale; 0 for text that is no number.
float readReal(const std::string& text);

// Reads a number as C's `atof` does in the C locale (leading blanks, sign,
// digits with ".", exponent, "inf", "nan"); 0 for text that is no number.
double readCDouble(const std::string& text);

// The number with exactly `decimals` digits after a ".", as printf's "%.*f"
// writes it in the C locale.
std::string fixedText(double value, int decimals);
