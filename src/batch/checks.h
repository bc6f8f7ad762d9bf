// The checks of a conversion job, as values: each returns the problem it
// found and the value the message names (a folder, a font, ...). Each face
// runs its own ordered list of them and words the problem its own way.
#pragma once
#include <string>

enum class Problem {
  None,
  InvalidInputFile,       // no file of positive size at the input path
  EmptyInputFiles,        // the input set holds no file
  EmptyOutputFolder,
  IncorrectOutputFolder,  // a relative folder that climbs out with ".."
  InvalidOutputFolder,    // argument: the folder
  InvalidConversionType,  // argument: the extension
  InvalidBitDepth,        // argument: the format
  InvalidQuality,         // argument: the format
  InvalidWidth,
  InvalidHeight,
  InvalidBrightness,
  InvalidContrast,
  InvalidGamma,
  InvalidWatermarkFont,   // argument: the font
  EmptyWatermarkImage,
  InvalidWatermarkImage,  // argument: the picture's path
  InvalidProfile,         // argument: the profile's path
};

struct Check {
  Problem problem = Problem::None;
  std::string argument;
  // True when the check found a problem.
  explicit operator bool() const { return problem != Problem::None; }
};

// The extension is one of the system's output formats (exact).
[[nodiscard]] Check checkConversionType(const std::string& extension);
// The format's bit depth is 0 or one of its depths, and its quality (where
// it has one) lies in the quality's range.
[[nodiscard]] Check checkFormatValues(const std::string& extension);
// A file of positive size lies at the path.
[[nodiscard]] Check checkInputFile(const std::string& path);
// The input set holds a file.
[[nodiscard]] Check checkInputSet();
// A relative output folder does not begin with "..".
[[nodiscard]] Check checkOutputFolderStays(const std::string& folder);
// The folder is not empty, and exists as a folder.
[[nodiscard]] Check checkOutputFolder(const std::string& folder);
// With resizing on, neither target side is 0 (the width is checked first).
[[nodiscard]] Check checkResizeSizes();
// With colour correction on, brightness, contrast and gamma lie in their
// ranges (in that order; a gamma that is not a number fails).
[[nodiscard]] Check checkColourRanges();
// With a text watermark, loads the watermark font, which the run then
// draws with; a font that cannot be loaded is the problem.
[[nodiscard]] Check checkWatermarkFont();
// With a picture watermark, `Image` names a file of positive size.
[[nodiscard]] Check checkWatermarkPicture();
// The path names a regular file that can be read as a profile.
[[nodiscard]] Check checkProfileFile(const std::string& path);
