#include "text/paths.h"
#include "formats/catalogue.h"

#include <algorithm>
#include <cstdlib>

#include "i18n/language_table.h"
#include "text/text.h"

namespace {

struct InputFormat {
  const char* extension;
  const char* family;
  const char* description;
};

struct OutputFormat {
  const char* extension;
  const char* description;
  const char* bitDepths;
};

// Rows in the order the input table enumerates them; within the JPEG family
// that order (jpeg, jpe, jpg, jif) shows in the accepted list and the filter.
const InputFormat inputTable[] = {
    {"bmp", "bmp", "Windows or OS/2 Bitmap"}, {"rle", "bmp", "Windows or OS/2 Bitmap"},
    {"dib", "bmp", "Windows or OS/2 Bitmap"}, {"dds", "dds", "DirectDraw Surface File"},
    {"emf", "emf", "Enhanced Metafile Format"}, {"emz", "emf", "Enhanced Metafile Format"},
    {"gif", "gif", "GIF File"}, {"hdr", "hdr", "High Dynamic Range File"},
    {"hdri", "hdr", "High Dynamic Range File"}, {"ico", "ico", "Windows Icon"},
    {"jpeg", "jpg", "JPEG File"}, {"jpe", "jpg", "JPEG File"},
    {"jpg", "jpg", "JPEG File"}, {"jif", "jpg", "JPEG File"},
    {"pcd", "pcd", "Kodak PhotoCD File"}, {"pcd1", "pcd", "Kodak PhotoCD File"},
    {"pcds", "pcd", "Kodak PhotoCD File"}, {"ppcd", "pcd", "Kodak PhotoCD File"},
    {"pcx", "pcx", "ZSoft Paintbrush File"}, {"pic", "pic", "Macintosh PICT"},
    {"pict", "pic", "Macintosh PICT"}, {"pct", "pic", "Macintosh PICT"},
    {"png", "png", "Portable Network Graphics"}, {"psd", "psd", "Adobe Photoshop File"},
    {"tga", "tga", "Truevision Targa"}, {"targa", "tga", "Truevision Targa"},
    {"tiff", "tiff", "Tagged Image File Format"}, {"tif", "tiff", "Tagged Image File Format"},
    {"wmf", "wmf", "Windows Metafile Format"}, {"wmz", "wmf", "Windows Metafile Format"},
    {"apm", "wmf", "Aldus Placeable Metafile"}, {"raw", "raw", "Camera RAW Image"},
    {"raw1", "raw", "Camera RAW Image"}, {"raw2", "raw", "Camera RAW Image"},
    {"3fr", "raw", "Hasselblad Camera RAW Image"}, {"arw", "raw", "Sony Camera RAW Image"},
    {"sr2", "raw", "Sony Camera RAW Image"}, {"srf", "raw", "Sony Camera RAW Image"},
    {"bay", "raw", "Casio Camera RAW Image"}, {"bmq", "raw", "NuCore RAW Image"},
    {"cap", "raw", "Phase One Camera RAW Image"}, {"iiq", "raw", "Phase One Camera RAW Image"},
    {"eip", "raw", "Phase One Camera RAW Image"}, {"cine", "raw", "Phantom RAW Image"},
    {"cr2", "raw", "Canon Camera RAW Image"}, {"crw", "raw", "Canon Camera RAW Image"},
    {"cs1", "raw", "Capture Shop RAW Image"}, {"dc2", "raw", "Kodak Camera RAW Image"},
    {"dcr", "raw", "Kodak Camera RAW Image"}, {"drf", "raw", "Kodak Camera RAW Image"},
    {"dsc", "raw", "Kodak Camera RAW Image"}, {"k25", "raw", "Kodak Camera RAW Image"},
    {"kc2", "raw", "Kodak Camera RAW Image"}, {"kdc", "raw", "Kodak Camera RAW Image"},
    {"dcs", "raw", "Kodak Camera RAW Image"}, {"dng", "raw", "Adobe Digital Negative Image"},
    {"erf", "raw", "Epson Camera RAW Image"}, {"fff", "raw", "Imacon Camera RAW Image"},
    {"ia", "raw", "Sinar RAW Image"}, {"sti", "raw", "Sinar RAW Image"},
    {"mdc", "raw", "Minolta Camera RAW Image"}, {"mrw", "raw", "Minolta Camera RAW Image"},
    {"mef", "raw", "Mamiya Camera RAW Image"}, {"mos", "raw", "Mamiya Camera RAW Image"},
    {"nef", "raw", "Nikon Camera RAW Image"}, {"nrw", "raw", "Nikon Camera RAW Image"},
    {"orf", "raw", "Olympus Camera RAW Image"}, {"pef", "raw", "Pentax Camera RAW Image"},
    {"ptx", "raw", "Pentax Camera RAW Image"}, {"pxn", "raw", "Logitech Camera RAW Image"},
    {"qtk", "raw", "Apple Quicktake Camera RAW Image"}, {"raf", "raw", "Fuji Camera RAW Image"},
    {"rdc", "raw", "Digital Foto Maker RAW Image"}, {"rw2", "raw", "Panasonic Camera RAW Image"},
    {"rwz", "raw", "Rawzor Camera RAW Image"}, {"x3f", "raw", "Sigma Camera RAW Image"},
    {"ari", "raw", "ARRI RAW Image"}, {"r3d", "raw", "RED RAW Image"},
    {"rwl", "raw", "Leica Camera RAW Image"},
};

const OutputFormat outputTable[] = {
    {"bmp", "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
    {"exr", "ILM OpenEXR", "96"},
    {"gif", "Graphics Interchange Format", "8"},
    {"hdr", "High Dynamic Range Image", "96"},
    {"ico", "Windows Icon", "1,4,8,16,24,32"},
    {"j2k", "JPEG-2000 Codestream", "8,24,32,48"},
    {"jng", "JPEG Network Graphics", "24,32"},
    {"jp2", "JPEG-2000 File Format", "8,24,32,48"},
    {"jpg", "JPEG File Format", "8,24"},
    {"jxr", "JPEG XR Image Format", "1,8,16,24,32,48,96"},
    {"pbm", "Portable Bitmap", "1"},
    {"pfm", "Portable Floatmap", "96"},
    {"pgm", "Portable Greymap", "8"},
    {"png", "Portable Network Graphics", "1,4,8,24,32,48"},
    {"ppm", "Portable Pixelmap", "24,48"},
    {"tga", "Truevision Targa", "8,16,24,32"},
    {"tiff", "Tagged Image File Format", "1,4,8,24,32,48,96"},
    {"wbmp", "Wireless Bitmap", "1"},
    {"webp", "Google WebP Image Format", "24,32"},
    {"xpm", "X11 Pixmap Format", "24"},
    {"psd", "Adobe Photoshop", "32"},
    {"dds", "DirectDraw Surface", "32"},
    {"pcx", "ZSoft Paintbrush", "24"},
};

// The formats this system reads and writes.
const std::vector<std::string> inputFamilies = {"jpg"};
const std::vector<std::string> outputFormats = {"pcx"};

// The catalogue as the faces see it once built.
std::vector<const InputFormat*> inputCatalogue;
std::vector<const OutputFormat*> outputCatalogue;
std::vector<std::string> accepted;

const InputFormat* findInput(const std::string& extension) {
  for (const InputFormat* row : inputCatalogue)
    if (extension == row->extension) return row;
  return nullptr;
}

const OutputFormat* findOutput(const std::string& extension) {
  for (const OutputFormat* row : outputCatalogue)
    if (extension == row->extension) return row;
  return nullptr;
}

}  // namespace

const std::vector<std::string>& inputExtensionList() { return inputFamilies; }
const std::vector<std::string>& outputExtensionList() { return outputFormats; }

void buildInputCatalogue() {
  inputCatalogue.clear();
  for (const InputFormat& row : inputTable) inputCatalogue.push_back(&row);
}

void buildOutputCatalogue() {
  outputCatalogue.clear();
  for (const OutputFormat& row : outputTable) outputCatalogue.push_back(&row);
}

void collectAcceptedExtensions() {
  accepted.clear();
  for (const std::string& family : inputFamilies)
    for (const InputFormat* row : inputCatalogue)
      if (family == row->family) accepted.push_back(row->extension);
}

const std::vector<std::string>& acceptedExtensions() { return accepted; }

bool isAcceptedInputFile(const std::string& path) {
  std::string extension = toLowerAscii(pathExtension(path));
  return !extension.empty() && std::find(accepted.begin(), accepted.end(), extension) != accepted.end();
}

std::string inputFileFilter() {
  std::string allPatterns;
  // Descriptions in the order they first appear, each with its patterns,
  // the newest pattern first.
  std::vector<std::pair<std::string, std::string>> byDescription;
  for (const std::string& extension : accepted) {
    const InputFormat* row = findInput(extension);
    if (!row) continue;
    std::string pattern = "*." + extension;
    allPatterns += pattern + ";";
    auto entry = std::find_if(byDescription.begin(), byDescription.end(),
                              [&](const auto& e) { return e.first == row->description; });
    if (entry == byDescription.end())
      byDescription.emplace_back(row->description, pattern);
    else
      entry->second = pattern + ";" + entry->second;
  }
  if (!allPatterns.empty()) allPatterns.pop_back();
  std::string filter = lookupText("Dialog", "All Supported Files") + "|" + allPatterns + "|";
  for (const auto& [description, patterns] : byDescription) filter += description + "|" + patterns + "|";
  return filter + lookupText("Dialog", "All Files") + " (*.*)|*.*";
}

std::vector<int> bitDepthsOf(const std::string& extension) {
  std::vector<int> depths;
  const OutputFormat* row = findOutput(extension);
  if (!row) return depths;
  for (const std::string& entry : splitText(row->bitDepths, ','))
    depths.push_back(static_cast<int>(strtol(entry.c_str(), nullptr, 10)));
  return depths;
}

bool isValidBitDepth(const std::string& extension, int depth) {
  if (depth == 0) return true;
  std::vector<int> depths = bitDepthsOf(extension);
  return std::find(depths.begin(), depths.end(), depth) != depths.end();
}

int nearestBitDepth(const std::string& extension, int depth) {
  std::vector<int> depths = bitDepthsOf(extension);
  if (depths.empty()) return 0;
  for (int candidate : depths)
    if (candidate >= depth) return candidate;
  return depths.back();
}

bool isOutputFormat(const std::string& extension) {
  return std::find(outputFormats.begin(), outputFormats.end(), extension) != outputFormats.end();
}

std::string formatLabel(const std::string& extension, bool withDescription) {
  std::string label = toUpperAscii(extension);
  if (withDescription)
    if (const OutputFormat* row = findOutput(extension)) label += std::string(" (") + row->description + ")";
  return label;
}
