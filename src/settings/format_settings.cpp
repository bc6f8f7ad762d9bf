#include "settings/format_settings.h"

#include "settings/choices.h"

namespace {

using S = Settings;

constexpr FormatField bmpFields[] = {{&S::bmpColorTable}};
constexpr FormatField jpgFields[] = {{&S::jpgChroma, "JPG Chroma Subsampling: "}, {&S::jpgSaveAs}};
constexpr FormatField pngFields[] = {{&S::pngInterlaced}};
// The report names TIFF's colour modes by the full list it shares with PSD.
constexpr FormatField tiffFields[] = {{&S::tiffColorMode, nullptr, &colourModeChoices}};

const OutputFormatSettings outputs[] = {
    {"bmp", &S::bmpBpp, nullptr, &S::bmpCompression, bmpFields},
    {"dds", &S::ddsBpp, nullptr, nullptr, {}},
    {"exr", &S::exrBpp, nullptr, &S::exrCompression, {}},
    {"gif", &S::gifBpp, nullptr, nullptr, {}},
    {"hdr", &S::hdrBpp, nullptr, nullptr, {}},
    {"ico", &S::icoBpp, nullptr, nullptr, {}},
    {"j2k", &S::j2kBpp, nullptr, nullptr, {}},
    {"jng", &S::jngBpp, nullptr, nullptr, {}},
    {"jp2", &S::jp2Bpp, nullptr, nullptr, {}},
    {"jpg", &S::jpgBpp, &S::jpgQuality, nullptr, jpgFields},
    {"jxr", &S::jxrBpp, nullptr, nullptr, {}},
    {"pbm", &S::pbmBpp, nullptr, nullptr, {}},
    {"pcx", &S::pcxBpp, nullptr, nullptr, {}},
    {"pfm", &S::pfmBpp, nullptr, nullptr, {}},
    {"pgm", &S::pgmBpp, nullptr, nullptr, {}},
    {"png", &S::pngBpp, nullptr, &S::pngCompression, pngFields},
    {"ppm", &S::ppmBpp, nullptr, nullptr, {}},
    {"psd", &S::psdBpp, nullptr, nullptr, {}},
    {"tga", &S::tgaBpp, nullptr, &S::tgaCompression, {}},
    {"tiff", &S::tiffBpp, nullptr, &S::tiffCompression, tiffFields},
    {"wbmp", &S::wbmpBpp, nullptr, nullptr, {}},
    {"webp", &S::webpBpp, &S::webpQuality, nullptr, {}},
    {"xpm", &S::xpmBpp, nullptr, nullptr, {}},
};

constexpr FormatField ddsInput[] = {{&S::ddsLoadAs}};
constexpr FormatField gifInput[] = {{&S::gifFrameLoading}};
constexpr FormatField icoInput[] = {{&S::icoFrameLoading}};
constexpr FormatField psdInput[] = {{&S::psdColorMode}};
constexpr FormatField rawInput[] = {
    {&S::rawLoadAs}, {&S::rawHeaderSize}, {&S::rawImageWidth}, {&S::rawImageHeight}, {&S::rawToneMapping}};
constexpr FormatField tiffInput[] = {{&S::tiffFrameLoading}};

const InputFormatSettings inputs[] = {
    {"dds", ddsInput}, {"gif", gifInput}, {"ico", icoInput}, {"psd", psdInput}, {"raw", rawInput}, {"tiff", tiffInput},
};

}  // namespace

std::span<const OutputFormatSettings> outputFormatSettings() { return outputs; }
std::span<const InputFormatSettings> inputFormatSettings() { return inputs; }

const OutputFormatSettings* outputFormatSettingsOf(const std::string& extension) {
  for (const OutputFormatSettings& format : outputs)
    if (extension == format.extension) return &format;
  return nullptr;
}

const InputFormatSettings* inputFormatSettingsOf(const std::string& extension) {
  for (const InputFormatSettings& format : inputs)
    if (extension == format.extension) return &format;
  return nullptr;
}

std::string reportLabelOf(const FormatField& field) {
  if (field.reportLabel) return field.reportLabel;
  const SettingField* row = settingFieldOf(field.field);
  return std::string(row ? row->key : "") + ": ";
}
