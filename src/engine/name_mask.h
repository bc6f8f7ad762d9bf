// Output file names built from the `Filename Mask` setting, and the same
// placeholder filling for watermark texts.
#pragma once
#include <string>

#include "engine/conversion_job.h"

// The output file name (without folder) for the current job.
std::string outputName(const ConversionJob& job);

// False when a name from the mask would leave the output folder: a part of
// its path is "..". Such a name fails the write, as a name the file system
// refuses would.
[[nodiscard]] bool nameStaysInFolder(const std::string& name);

// The watermark text with the name placeholders filled in; its own letter
// case is kept.
std::string substitutePlaceholders(const std::string& text, const ConversionJob& job);

// A fresh name for the writer to write under before the file gets its real
// name: "zorvane", the local date as letters, five random letters, the
// output extension.
std::string temporaryName(const ConversionJob& job);
