// The floor of the converter's own chain: FreeImage decoding a JPEG alone,
// or DevIL encoding a PCX alone, timed around the library calls only.
//   floor decode PHOTO.jpg
//   floor encode PIXELS.ppm OUT.pcx
#include <FreeImage.h>
#include <IL/il.h>
#include <IL/ilu.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

static double milliseconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int main(int argc, char** argv) {
  if (argc >= 3 && strcmp(argv[1], "decode") == 0) {
    auto start = std::chrono::steady_clock::now();
    FIBITMAP* image = FreeImage_Load(FIF_JPEG, argv[2], JPEG_ACCURATE | JPEG_EXIFROTATE);
    double ms = milliseconds(start);
    if (!image) return 1;
    printf("%.1f\n", ms);
    FreeImage_Unload(image);
    return 0;
  }
  if (argc >= 4 && strcmp(argv[1], "encode") == 0) {
    FILE* f = fopen(argv[2], "rb");
    unsigned width, height, maxValue;
    if (!f || fscanf(f, "P6 %u %u %u", &width, &height, &maxValue) != 3) return 1;
    fgetc(f);
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    if (fread(pixels.data(), 1, pixels.size(), f) != pixels.size()) return 1;
    fclose(f);
    auto start = std::chrono::steady_clock::now();
    ilInit();
    iluInit();
    ILuint name;
    ilGenImages(1, &name);
    ilBindImage(name);
    ilEnable(IL_FILE_OVERWRITE);
    // The rows as DevIL receives them in the plain way: BGR, bottom row first.
    for (size_t i = 0; i < pixels.size(); i += 3) std::swap(pixels[i], pixels[i + 2]);
    std::vector<unsigned char> flipped(pixels.size());
    size_t row = static_cast<size_t>(width) * 3;
    for (unsigned y = 0; y < height; y++) memcpy(&flipped[(height - 1 - y) * row], &pixels[y * row], row);
    pixels.clear();
    pixels.shrink_to_fit();
    start = std::chrono::steady_clock::now();
    ilTexImage(width, height, 1, 3, IL_BGR, IL_UNSIGNED_BYTE, flipped.data());
    bool ok = ilSave(IL_PCX, argv[3]);
    double ms = milliseconds(start);
    ilDeleteImages(1, &name);
    if (!ok) return 1;
    printf("%.1f\n", ms);
    return 0;
  }
  fprintf(stderr, "usage: floor decode PHOTO.jpg | floor encode PIXELS.ppm OUT.pcx\n");
  return 2;
}
