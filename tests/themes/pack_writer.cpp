#include "pack_writer.h"

#include <archive.h>
#include <archive_entry.h>
#include <png.h>

bool writeZip(const std::string& path, const std::vector<ZipEntry>& entries) {
  archive* a = archive_write_new();
  bool ok = archive_write_set_format_zip(a) == ARCHIVE_OK &&
            archive_write_set_options(a, "zip:compression=deflate") == ARCHIVE_OK;
  for (const ZipEntry& e : entries)
    if (e.encrypted)
      ok = ok && archive_write_set_options(a, "zip:encryption=zipcrypt") == ARCHIVE_OK &&
           archive_write_set_passphrase(a, "secret") == ARCHIVE_OK;
  ok = ok && archive_write_open_filename(a, path.c_str()) == ARCHIVE_OK;
  for (size_t i = 0; ok && i < entries.size(); i++) {
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, entries[i].name.c_str());
    archive_entry_set_filetype(entry, entries[i].folder ? AE_IFDIR : AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    if (!entries[i].sizeUnknown) archive_entry_set_size(entry, static_cast<la_int64_t>(entries[i].bytes.size()));
    ok = archive_write_header(a, entry) == ARCHIVE_OK;
    if (ok && !entries[i].bytes.empty())
      ok = archive_write_data(a, entries[i].bytes.data(), entries[i].bytes.size()) ==
           static_cast<la_ssize_t>(entries[i].bytes.size());
    archive_entry_free(entry);
  }
  ok = archive_write_close(a) == ARCHIVE_OK && ok;
  archive_write_free(a);
  return ok;
}

Picture solidPicture(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
  Picture picture{width, height, {}};
  for (int i = 0; i < width * height; i++) picture.rgba.insert(picture.rgba.end(), {red, green, blue, alpha});
  return picture;
}

std::string encodePngAs(uint32_t format, int width, int height, const void* pixels, const void* colourMap,
                        int colourMapEntries) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = format;
  image.colormap_entries = static_cast<png_uint_32>(colourMapEntries);
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, colourMap)) return "";
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels, 0, colourMap)) return "";
  bytes.resize(size);
  return bytes;
}

std::string encodePng(const Picture& picture) {
  return encodePngAs(PNG_FORMAT_RGBA, picture.width, picture.height, picture.rgba.data());
}

std::string configText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
