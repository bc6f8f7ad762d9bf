#include "engine/channels.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "platform/cores.h"

namespace {

constexpr FREE_IMAGE_COLOR_CHANNEL channelOrder[] = {FICC_RED, FICC_GREEN, FICC_BLUE};
constexpr unsigned channelCount = 3;

// The three results as one 24-bit picture, each released once it is in.
Image joined(Image (&channels)[channelCount]) {
  for (const Image& channel : channels)
    if (!channel || FreeImage_GetBPP(channel.get()) != 8) return nullptr;
  unsigned width = FreeImage_GetWidth(channels[0].get()), height = FreeImage_GetHeight(channels[0].get());
  for (const Image& channel : channels)
    if (FreeImage_GetWidth(channel.get()) != width || FreeImage_GetHeight(channel.get()) != height) return nullptr;
  Image picture(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
  if (!picture) return nullptr;
  for (unsigned i = 0; i < channelCount; i++) {
    if (!FreeImage_SetChannel(picture.get(), channels[i].get(), channelOrder[i])) return nullptr;
    channels[i].reset();
  }
  return picture;
}

}  // namespace

unsigned channelThreads(FIBITMAP* image) {
  if (!image || FreeImage_GetImageType(image) != FIT_BITMAP || FreeImage_GetBPP(image) != 24) return 1;
  return std::min(usableCores(), channelCount);
}

Image eachChannel(Image image, unsigned threads, const ChannelCall& call) {
  if (!image) return nullptr;
  Image inputs[channelCount], results[channelCount];
  for (unsigned i = 0; i < channelCount; i++) {
    inputs[i].reset(FreeImage_GetChannel(image.get(), channelOrder[i]));
    if (!inputs[i]) return nullptr;
  }
  // The channels hold all the calls read; the whole picture goes before
  // the calls add their own working copies.
  image.reset();

  // Each thread takes the next channel not yet taken and releases its input
  // as soon as its result exists.
  std::atomic<unsigned> next{0};
  auto work = [&] {
    for (unsigned i; (i = next++) < channelCount;) {
      results[i].reset(call(inputs[i].get(), channelOrder[i]));
      inputs[i].reset();
    }
  };
  std::thread helpers[channelCount - 1];
  unsigned started = 0;
  for (; started + 1 < std::min(threads, channelCount); started++) {
    // A thread the system refuses leaves its channels to the others.
    try {
      helpers[started] = std::thread(work);
    } catch (const std::system_error&) {
      break;
    }
  }
  work();
  for (unsigned i = 0; i < started; i++) helpers[i].join();
  return joined(results);
}
