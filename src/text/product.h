// The product's name and version, as every face shows them.
#pragma once
#include <string>

inline constexpr const char* productName = "Lumavex JPG to PCX";
inline constexpr int versionNumber = 250;

// 250 gives "2.5", 251 "2.5.1", 300 "3.0".
std::string versionText(int number);

// The product name, a blank and the version text: "Lumavex JPG to PCX 2.5".
std::string titleText();

// The maker's one-line ownership notice.
extern const char* const ownershipNotice;
