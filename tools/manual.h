// The user manual, an HTML page: the hand-written text of docs/manual with
// its marks replaced by what the program's own tables say, so that every
// setting is there with its console option and its default.
#pragma once
#include <string>

// `page` is the hand-written page; `pictures` the list of the stage pictures
// ("name | caption | options" a line). Marks, each an HTML comment alone on
// its line:
//   <!-- settings GROUP -->  the table of the settings of that group
//   <!-- other options -->   the options of the formats this system does not write
//   <!-- help -->            the console's help text
//   <!-- pictures -->        the stage pictures with their captions and options
// and anywhere in a line <!-- title -->, the product name and version.
std::string userManual(const std::string& page, const std::string& pictures);
