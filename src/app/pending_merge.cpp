// TEMPORARY stand-ins; see pending_merge.h.
#include "app/pending_merge.h"

#include <cctype>

#include "settings/settings.h"
#include "text/text.h"

bool addRecentOutputFolder(const std::string& folder) {
  if (folder.empty()) return false;
  std::string list = folder;
  int kept = 1;
  for (int i = 0; i < settings.outFoldersNumber && kept < settings.outFoldersNumber; i++) {
    std::string old = recentOutputFolder(i);
    if (old.empty() || toUpperText(old) == toUpperText(folder)) continue;
    list += "\t" + old;
    kept++;
  }
  settings.recentOutFolders = list;
  return true;
}

std::string recentOutputFolder(int index) {
  std::vector<std::string> entries = splitText(settings.recentOutFolders, '\t');
  return index >= 0 && index < static_cast<int>(entries.size()) ? trimmed(entries[index], " ") : "";
}

std::string productPage() { return std::string(makerSite) + "zorvane/"; }
std::string feedbackMailLink(const std::string& title) {
  return std::string("mailto:") + supportMail + "?subject=" + title + " Feedback";
}
std::string supportMailLink() { return std::string("mailto:") + supportMail; }

std::string converterSearchUrl(const std::string& from, const std::string& to) {
  auto clean = [](const std::string& text) {
    std::string out;
    for (char c : characterRange(toLowerText(text), 0, 12))
      if (isalnum(static_cast<unsigned char>(c))) out += c;
    return out;
  };
  std::string a = clean(from), b = clean(to);
  return a.empty() || b.empty() ? "" : std::string(makerSite) + "find/" + a + "-" + b + "/";
}

UpdateOutcome checkForUpdate() { return UpdateOutcome::ConnectionProblem; }
bool scheduledUpdateDue(int32_t updateRange, int64_t updateDate, int64_t now) {
  return updateRange != 5 && updateDate + 86400LL * 30 < now;
}
