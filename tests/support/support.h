// Helpers shared by the tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// A fresh folder below the system's temporary folder, removed with its
// content when the object goes away. Its path ends with "/".
struct TempFolder {
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string path;
  std::string file(const std::string& name) const { return path + name; }
};

// Path of a fixture in tests/data.
std::string dataFile(const std::string& name);

void writeFile(const std::string& path, const std::string& content);
std::string readFile(const std::string& path);
bool exists(const std::string& path);

// Runs a command through the shell; returns its exit status and standard output.
struct RunResult {
  int status = -1;
  std::string out;
  Lines lines() const;  // output split at line feeds
};
RunResult runShell(const std::string& command);

// Runs the real zorvane program with these arguments (no shell involved).
RunResult runZorvane(const std::vector<std::string>& args, const std::string& stdinText = "");

// Quotes a text for the shell.
std::string shellQuote(const std::string& text);

// A picture as 8-bit RGB triples, top row first.
struct Rgb {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
  const uint8_t* at(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * 3]; }
};

// Reads a binary PPM (P6) or PGM (P5, expanded to RGB) file; empty on failure.
Rgb readPnm(const std::string& path);

// Expects two pictures of the same size with the same pixels; a picture that
// could not be read fails the test.
void expectSamePixels(const Rgb& actual, const Rgb& expected);

// Decodes a PCX file with netpbm's pcxtoppm; empty on failure.
Rgb decodePcx(const std::string& path);

// Decodes a 24-bit PCX file (three run-length encoded 8-bit planes) with
// the tests' own reader, which takes the window fields as unsigned: for
// pictures wider or taller than pcxtoppm accepts. Empty on failure.
Rgb readPcx(const std::string& path);

// The little-endian 16-bit word at `at` of a file's bytes (PCX header fields).
unsigned littleWord(const std::string& bytes, size_t at);

// Decodes a JPEG file with libjpeg's djpeg (accurate integer DCT, fancy
// upsampling), the reference for what the converter must write.
Rgb decodeJpeg(const std::string& path);
