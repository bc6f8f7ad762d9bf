// The maker's addresses: web site, support mail and the pages the desktop
// application opens. The names lie under the reserved ".example" domain, so
// no real server is ever reached.
#pragma once
#include <string>

// The web site, as the About window and the console banner show it.
inline constexpr const char* makerWebSite = "https://www.lumavex.example/";
inline constexpr const char* supportMail = "support@lumavex.example";

// Where the update check reads the newest version number; the scheme plays no
// part, the request is plain HTTP to port 80.
inline constexpr const char* updateFile = "http://www.lumavex.example/files/zorvane.dat";

// A page of the site by its path ("/find/jpg-pcx/" and the like).
std::string makerPage(const std::string& path);

// The product's own page: the menu's home page, and the page opened when the
// user accepts a new version.
std::string productPage();

// The page the uninstall window opens when its visit box is ticked.
std::string uninstallPage();

// The About window's mail link: "mailto:" and the support address.
std::string supportMailLink();

// The menu's feedback link: the mail link, "?subject=", the title text and
// " Feedback", left unencoded as mail programs take it.
std::string feedbackMailLink();
