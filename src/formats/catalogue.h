// The format catalogue: what the system knows about picture formats, and the
// two short lists that pick the formats in use (input "jpg", output "pcx").
#pragma once
#include <string>
#include <vector>

// The system's input families and output formats; entry 0 of each is the
// default of the Input and Output `Format` settings.
const std::vector<std::string>& inputExtensionList();
const std::vector<std::string>& outputExtensionList();

// Fill the input and output tables; called at the start of both faces.
void buildInputCatalogue();
void buildOutputCatalogue();

// Rebuilds the accepted input extensions from the input table and families.
void collectAcceptedExtensions();
const std::vector<std::string>& acceptedExtensions();

// True when the lower-cased extension of the path is an accepted extension.
bool isAcceptedInputFile(const std::string& path);

// Filter text of the open-file dialog for input files.
std::string inputFileFilter();

// Bit depths of an output format in list order; none for an unknown format.
std::vector<int> bitDepthsOf(const std::string& extension);

// True when depth is 0 ("Auto") or one of the format's bit depths.
bool isValidBitDepth(const std::string& extension, int depth);

// The depth "Auto" stands for: the first listed depth at least `depth`,
// else the last; 0 for a format without a list.
int nearestBitDepth(const std::string& extension, int depth);

// True when the extension is one of the system's output formats (exact).
bool isOutputFormat(const std::string& extension);

// "PCX", or with the description "PCX (ZSoft Paintbrush)".
std::string formatLabel(const std::string& extension, bool withDescription);
