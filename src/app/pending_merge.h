// TEMPORARY: stand-ins for the recent-folder list, the maker's addresses, the
// converter search and the update check, which are being written on another
// branch under the same names. This file goes when that branch is merged.
#pragma once
#include <cstdint>
#include <string>

bool addRecentOutputFolder(const std::string& folder);
std::string recentOutputFolder(int index);

inline constexpr const char* makerSite = "https://www.lumavex.example/";
inline constexpr const char* supportMail = "support@lumavex.example";
std::string productPage();
std::string feedbackMailLink(const std::string& title);
std::string supportMailLink();

std::string converterSearchUrl(const std::string& from, const std::string& to);

enum class UpdateOutcome { ConnectionProblem, NoUpdate, NewUpdate };
UpdateOutcome checkForUpdate();
bool scheduledUpdateDue(int32_t updateRange, int64_t updateDate, int64_t now);
