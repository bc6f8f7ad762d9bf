#include <gtest/gtest.h>
#include <sched.h>

#include <atomic>
#include <cstring>

#include "engine/channels.h"
#include "engine/loader.h"
#include "support/pictures.h"
#include "support/support.h"

namespace {

Image copyOf(FIBITMAP* picture) { return Image(FreeImage_Clone(picture)); }

TEST(ChannelsTest, everyFilterGivesTheBytesOfOneWholePictureCall) {
  Image photo = loadJpeg(dataFile("testorig.jpg"));  // 227 x 149
  ASSERT_TRUE(photo);
  Image pattern = patternPicture(37, 23);
  const struct Size {
    int width, height;
  } sizes[] = {{101, 67}, {301, 211}, {227, 75}, {13, 149}};
  for (FIBITMAP* picture : {photo.get(), pattern.get()})
    for (FREE_IMAGE_FILTER filter :
         {FILTER_BOX, FILTER_BILINEAR, FILTER_BSPLINE, FILTER_BICUBIC, FILTER_CATMULLROM, FILTER_LANCZOS3})
      for (Size size : sizes)
        for (unsigned threads : {1u, 2u, 3u}) {
          SCOPED_TRACE(testing::Message() << FreeImage_GetWidth(picture) << " to " << size.width << " x "
                                          << size.height << ", filter " << filter << ", " << threads << " threads");
          Image whole(FreeImage_Rescale(picture, size.width, size.height, filter));
          Image split = eachChannel(copyOf(picture), threads, [&](FIBITMAP* channel, FREE_IMAGE_COLOR_CHANNEL) {
            return FreeImage_Rescale(channel, size.width, size.height, filter);
          });
          EXPECT_TRUE(samePixels(split.get(), whole.get()));
        }
}

TEST(ChannelsTest, eachChannelGetsItsOwnBytesAndComesBackInItsPlace) {
  std::atomic<int> calls{0};
  Image result = eachChannel(solidPicture(9, 5, 24, 200, 100, 50), 2, [&](FIBITMAP* channel,
                                                                          FREE_IMAGE_COLOR_CHANNEL which) {
    BYTE level = FreeImage_GetScanLine(channel, 4)[8];
    EXPECT_EQ(level, which == FICC_RED ? 200 : which == FICC_GREEN ? 100 : 50);
    calls++;
    // Each result one level up and half the size shows where it went.
    FIBITMAP* made = FreeImage_Allocate(5, 3, 8);
    for (unsigned y = 0; y < 3; y++) memset(FreeImage_GetScanLine(made, y), level + 1, 5);
    return made;
  });
  EXPECT_EQ(calls, 3);
  ASSERT_TRUE(result);
  EXPECT_EQ(FreeImage_GetBPP(result.get()), 24u);
  EXPECT_EQ(pixelAt(result.get(), 4, 2), (Pixel{201, 101, 51}));
}

TEST(ChannelsTest, aFailedOrMismatchedChannelFailsThePicture) {
  Image failed = eachChannel(patternPicture(9, 5), 2, [](FIBITMAP* channel, FREE_IMAGE_COLOR_CHANNEL which) {
    return which == FICC_GREEN ? nullptr : FreeImage_Clone(channel);
  });
  EXPECT_FALSE(failed);
  Image mismatched = eachChannel(patternPicture(9, 5), 3, [](FIBITMAP* channel, FREE_IMAGE_COLOR_CHANNEL which) {
    return FreeImage_Rescale(channel, which == FICC_BLUE ? 4 : 3, 3, FILTER_BOX);
  });
  EXPECT_FALSE(mismatched);
}

TEST(ChannelsTest, threadsFollowTheCoresTheProcessMayUse) {
  Image colour = patternPicture(9, 5), grey = solidPicture(9, 5, 8, 1, 1, 1);
  cpu_set_t all, one;
  ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
  unsigned cores = static_cast<unsigned>(CPU_COUNT(&all));
  EXPECT_EQ(channelThreads(colour.get()), std::min(cores, 3u));
  EXPECT_EQ(channelThreads(grey.get()), 1u);
  // Pinned to one core, a picture is worked on whole.
  CPU_ZERO(&one);
  for (int cpu = 0; cpu < CPU_SETSIZE; cpu++)
    if (CPU_ISSET(cpu, &all)) {
      CPU_SET(cpu, &one);
      break;
    }
  ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
  EXPECT_EQ(channelThreads(colour.get()), 1u);
  ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
}

}  // namespace
