// The marker walk, the data bound and the completeness check on whole,
// damaged and bombed files.
#include <gtest/gtest.h>

#include "engine/jpeg_completeness.h"
#include "engine/jpeg_markers.h"
#include "support/support.h"

namespace {

enum class Verdict { NoJpeg, DataTooShort, Damaged, Whole };

Verdict judge(const std::string& bytes) {
  JpegLayout layout;
  if (!walkJpeg(bytes, layout)) return Verdict::NoJpeg;
  if (!dataCanCoverFrame(layout)) return Verdict::DataTooShort;
  bool whole = pictureIsWhole(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return whole ? Verdict::Whole : Verdict::Damaged;
}

TEST(JpegStructure, tellsWholePicturesFromDamagedOnes) {
  const struct Case {
    const char* file;
    Verdict verdict;
  } cases[] = {
      {"testorig.jpg", Verdict::Whole},
      {"testimgp.jpg", Verdict::Whole},  // progressive, ten scans
      {"testimgari.jpg", Verdict::Whole},
      {"pil_sample_cmyk.jpg", Verdict::Whole},
      {"hostile/valid-40000x8.jpg", Verdict::Whole},
      {"malformed/junk_jpeg_header.jpg", Verdict::Whole},
      {"malformed/truncated_jpeg.jpg", Verdict::Whole},  // only its end marker is incomplete
      {"malformed/vips-truncated.jpg", Verdict::Damaged},
      {"hostile/scan-cut-and-closed-after-junk-bytes.jpg", Verdict::Damaged},
      {"hostile/restart-intervals-cut-before-rst4.jpg", Verdict::Damaged},
      {"hostile/arithmetic-coded-header-claims-227x4000.jpg", Verdict::Damaged},
      // Arithmetic coding has no bound of bits per block; the check stops
      // where the data ends.
      {"hostile/arithmetic-coded-header-claims-30000x30000.jpg", Verdict::Damaged},
      {"hostile/header-claims-30000x30000.jpg", Verdict::DataTooShort},
      {"hostile/header-claims-40000x40000.jpg", Verdict::DataTooShort},
      {"malformed/afl-08-height-65503.jpg", Verdict::DataTooShort},
      {"testorig12.jpg", Verdict::Damaged},  // 12-bit samples: the decoder refuses them
      {"malformed/afl-01-eof-after-soi.jpg", Verdict::NoJpeg},
      {"malformed/afl-04-sof-c8-unsupported.jpg", Verdict::NoJpeg},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(judge(readFile(dataFile(c.file))), c.verdict);
  }
}

TEST(JpegStructure, aSequentialPictureNeedsAScanForEveryComponent) {
  // Each component in a scan of its own; cut before the last scan and
  // closed, the decoder warns of nothing and leaves that component flat.
  TempFolder folder;
  writeFile(folder.file("scans.txt"), "0;\n1;\n2;\n");
  std::string made = folder.file("three-scans.jpg");
  ASSERT_EQ(runShell("jpegtran -scans " + shellQuote(folder.file("scans.txt")) + " " +
                     shellQuote(dataFile("testorig.jpg")) + " > " + shellQuote(made))
                .status,
            0);
  std::string jpeg = readFile(made);
  JpegLayout layout;
  ASSERT_TRUE(walkJpeg(jpeg, layout));
  ASSERT_EQ(layout.frameMarker, 0xC0);  // sequential, not progressive
  ASSERT_EQ(layout.scans.size(), 3u);
  EXPECT_EQ(judge(jpeg), Verdict::Whole);
  EXPECT_EQ(judge(jpeg.substr(0, jpeg.rfind("\xFF\xDA")) + "\xFF\xD9"), Verdict::Damaged);
}

}  // namespace
