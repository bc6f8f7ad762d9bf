#include "support/support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

TempFolder::TempFolder() {
  char pattern[] = "/tmp/zorvane-test-XXXXXX";
  char* made = mkdtemp(pattern);
  path = std::string(made ? made : "/tmp") + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // Make read-only leftovers removable first.
  for (auto& entry : std::filesystem::recursive_directory_iterator(path, ignored))
    chmod(entry.path().c_str(), 0777);
  std::filesystem::remove_all(path, ignored);
}

std::string dataFile(const std::string& name) { return std::string(TEST_DATA_DIR) + "/" + name; }

void writeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

bool exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

Lines RunResult::lines() const {
  Lines result;
  std::string line;
  std::istringstream in(out);
  while (std::getline(in, line)) result.push_back(line);
  return result;
}

std::string shellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

RunResult runShell(const std::string& command) {
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

RunResult runZorvane(const std::vector<std::string>& args, const std::string& stdinText) {
  std::string command = shellQuote(ZORVANE_BINARY);
  for (const std::string& arg : args) command += " " + shellQuote(arg);
  if (stdinText.empty())
    command += " </dev/null";
  else
    command = "printf %s " + shellQuote(stdinText) + " | " + command;
  return runShell(command);
}

Rgb readPnm(const std::string& path) {
  Rgb picture;
  std::string data = readFile(path);
  std::istringstream in(data);
  std::string magic;
  int maxValue = 0;
  in >> magic >> picture.width >> picture.height >> maxValue;
  if ((magic != "P6" && magic != "P5") || maxValue != 255 || picture.width <= 0 || picture.height <= 0) return {};
  in.get();  // the single white-space character before the samples
  size_t count = static_cast<size_t>(picture.width) * picture.height;
  size_t start = static_cast<size_t>(in.tellg());
  size_t channels = magic == "P6" ? 3 : 1;
  if (data.size() < start + count * channels) return {};
  picture.pixels.resize(count * 3);
  for (size_t i = 0; i < count; i++)
    for (size_t c = 0; c < 3; c++)
      picture.pixels[i * 3 + c] = static_cast<uint8_t>(data[start + i * channels + (channels == 3 ? c : 0)]);
  return picture;
}

void expectSamePixels(const Rgb& actual, const Rgb& expected) {
  ASSERT_GT(expected.width, 0);
  ASSERT_EQ(actual.width, expected.width);
  ASSERT_EQ(actual.height, expected.height);
  EXPECT_TRUE(actual.pixels == expected.pixels);
}

namespace {
Rgb decodeWith(const std::string& command, const std::string& path) {
  TempFolder folder;
  std::string out = folder.file("decoded.pnm");
  if (runShell(command + " " + shellQuote(path) + " > " + shellQuote(out) + " 2>/dev/null").status != 0) return {};
  return readPnm(out);
}
}  // namespace

Rgb decodePcx(const std::string& path) { return decodeWith("pcxtoppm", path); }

Rgb decodeJpeg(const std::string& path) { return decodeWith("djpeg -dct int -pnm", path); }

unsigned littleWord(const std::string& bytes, size_t at) {
  return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
}

Rgb readPcx(const std::string& path) {
  std::string file = readFile(path);
  if (file.size() < 128 || file[0] != 10 || file[2] != 1 || file[3] != 8 || file[65] != 3) return {};
  Rgb picture;
  picture.width = static_cast<int>(littleWord(file, 8) - littleWord(file, 4)) + 1;
  picture.height = static_cast<int>(littleWord(file, 10) - littleWord(file, 6)) + 1;
  size_t bytesPerLine = littleWord(file, 66);
  if (picture.width <= 0 || picture.height <= 0 || bytesPerLine < static_cast<size_t>(picture.width)) return {};
  // The planes of every row one after the other, runs decoded as they come.
  std::vector<uint8_t> planes(bytesPerLine * 3 * picture.height);
  size_t at = 128, filled = 0;
  while (filled < planes.size() && at < file.size()) {
    uint8_t byte = static_cast<uint8_t>(file[at++]);
    size_t count = 1;
    if ((byte & 0xC0) == 0xC0) {
      if (at == file.size()) return {};
      count = byte & 0x3F;
      byte = static_cast<uint8_t>(file[at++]);
    }
    for (; count > 0 && filled < planes.size(); count--) planes[filled++] = byte;
  }
  if (filled < planes.size()) return {};
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height * 3);
  for (int y = 0; y < picture.height; y++)
    for (int x = 0; x < picture.width; x++)
      for (int c = 0; c < 3; c++)
        picture.pixels[(static_cast<size_t>(y) * picture.width + x) * 3 + c] = planes[(y * 3 + c) * bytesPerLine + x];
  return picture;
}
