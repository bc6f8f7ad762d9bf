// A small, repeatable fuzz check: seeded mutations of the sample photos,
// each converted by the real program (two at a time). None may crash or
// hang, and every file a run reports as converted must be a PCX that
// netpbm decodes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <sstream>

#include "support/support.h"

namespace {

// xorshift64: the same mutations on every machine and every run.
struct Random {
  uint64_t state;
  uint64_t next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  size_t below(size_t n) { return static_cast<size_t>(next() % n); }
};

// One to four changes; most fall in the first kilobyte, where the headers,
// tables and Exif blocks are.
std::string mutate(std::string jpeg, Random& random) {
  int changes = 1 + static_cast<int>(random.below(4));
  for (int i = 0; i < changes; i++) {
    size_t span = random.below(4) == 0 ? jpeg.size() : std::min<size_t>(jpeg.size(), 1024);
    size_t at = 2 + random.below(span - 2);
    switch (random.below(5)) {
      case 0:  // a flipped bit
        jpeg[at] = static_cast<char>(jpeg[at] ^ (1 << random.below(8)));
        break;
      case 1:  // a byte of any value
        jpeg[at] = static_cast<char>(random.below(256));
        break;
      case 2:  // a length, count or size at its extreme
        jpeg.replace(at, std::min<size_t>(2, jpeg.size() - at), random.below(2) ? "\xFF\xFF" : std::string(2, '\0'));
        break;
      case 3:  // cut short
        jpeg.resize(at);
        break;
      default:  // a run of bytes repeated
        jpeg.insert(at, jpeg.substr(at, random.below(64)));
        break;
    }
    if (jpeg.size() < 4) break;
  }
  return jpeg;
}

TEST(Fuzz, mutatedPhotosNeverCrashOrHang) {
  const char* const photos[] = {"testorig.jpg",     "testimgp.jpg", "testimgari.jpg",
                                "jfif_unit_cm.jpg", "orientation/orientation_rectangle.jpg",
                                "pil_sample_rgb.jpg"};
  const int perPhoto = 50;
  TempFolder folder;
  std::string in = folder.file("in/"), out = folder.file("out/");
  mkdir(in.c_str(), 0777);
  mkdir(out.c_str(), 0777);
  Random random{0x5EED5EED2026ull};
  int count = 0;
  for (const char* photo : photos) {
    std::string jpeg = readFile(dataFile(photo));
    for (int i = 0; i < perPhoto; i++) writeFile(in + "m" + std::to_string(count++) + ".jpg", mutate(jpeg, random));
  }

  // Each run prints its name and exit status; 124 is the timeout, above 128
  // a signal.
  std::string run = "timeout 30 " + shellQuote(ZORVANE_BINARY) + " -q -i " + shellQuote(in) + "$0.jpg -o " +
                    shellQuote(out) + " >/dev/null 2>&1; echo $0 $?";
  RunResult all = runShell("cd " + shellQuote(in) + " && ls | sed 's/\\.jpg$//' | xargs -P 2 -n 1 sh -c " +
                           shellQuote(run));
  std::map<std::string, int> statuses;
  for (const std::string& line : all.lines()) {
    std::istringstream fields(line);
    std::string name;
    int status = -1;
    fields >> name >> status;
    statuses[name] = status;
  }
  ASSERT_EQ(statuses.size(), static_cast<size_t>(count));
  int converted = 0;
  for (const auto& [name, status] : statuses) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(status == 0 || status == 1) << status;
    if (status != 0) {
      EXPECT_FALSE(exists(out + name + ".pcx"));
      continue;
    }
    converted++;
    EXPECT_GT(decodePcx(out + name + ".pcx").width, 0);
  }
  // Nothing else in the folder: no temporary file left behind.
  EXPECT_EQ(runShell("ls " + shellQuote(out) + " | wc -l").out, std::to_string(converted) + "\n");
  // The mutations must leave some files whole enough to convert.
  EXPECT_GT(converted, count / 10);
}

}  // namespace
