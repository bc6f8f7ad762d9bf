#include "update/update_check.h"

#include <cstdlib>

#include "text/maker.h"
#include "text/numbers.h"
#include "text/product.h"
#include "update/http_fetch.h"

std::string updateFileUrl() {
  const char* overridden = std::getenv("ZORVANE_UPDATE_URL");
  return overridden && *overridden ? overridden : updateFile;
}

std::string updateUserAgent() { return titleText(); }

UpdateOutcome updateOutcome(const std::string& fetched) {
  int64_t newest = readNum(fetched);
  if (newest == 0) return UpdateOutcome::ConnectionProblem;
  return newest <= versionNumber ? UpdateOutcome::NoUpdate : UpdateOutcome::NewUpdate;
}

UpdateOutcome checkForUpdate() { return updateOutcome(fetchBodyHead(updateFileUrl(), updateUserAgent())); }

bool scheduledUpdateDue(int32_t updateRange, int64_t updateDate, int64_t now) {
  const int64_t day = 24 * 60 * 60;
  int64_t days;
  switch (updateRange) {
    case 0: days = 1; break;
    case 1: days = 7; break;
    case 2: days = 30; break;
    case 3: days = 90; break;
    case 4: days = 180; break;
    case 5: return false;
    default: days = 30; break;
  }
  return updateDate + days * day < now;
}
