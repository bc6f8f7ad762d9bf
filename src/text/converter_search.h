// The custom-converter search: two extensions typed by the user become a
// search page on the maker's site.
#pragma once
#include <string>

// "/find/<from>-<to>/": each text lower-cased, cut to its first 12
// characters and stripped of everything but ASCII letters and digits;
// "" when either of them is left empty.
std::string converterSearchPath(const std::string& from, const std::string& to);

// The full address of that page on the maker's site; "" as above.
std::string converterSearchUrl(const std::string& from, const std::string& to);
