#include "app/update_messages.h"

#include "app/message_boxes.h"
#include "app/shell_open.h"
#include "i18n/language_table.h"
#include "platform/clock.h"
#include "settings/settings.h"
#include "text/maker.h"
#include "update/update_check.h"

void checkForUpdateAndTell() {
  switch (checkForUpdate()) {
    case UpdateOutcome::ConnectionProblem:
      errorBox(lookupText("Msg", "Internet connection problems"));
      break;
    case UpdateOutcome::NoUpdate:
      showBox(BoxKind::Information, lookupText("Msg", "No Update"), lookupText("Msg", "No Update Text"));
      break;
    case UpdateOutcome::NewUpdate:
      if (showBox(BoxKind::Question, lookupText("Msg", "New Update"), lookupText("Msg", "New Update Text")))
        openWithShell(productPage());
      break;
  }
}

void scheduledUpdateCheck() {
  int64_t now = localSecondsNow();
  if (!scheduledUpdateDue(settings.updateRange, settings.updateDate, now)) return;
  if (showBox(BoxKind::Question, lookupText("Msg", "Check for Updates"), lookupText("Msg", "Ask check for updates")))
    checkForUpdateAndTell();
  settings.updateDate = static_cast<int32_t>(localSecondsNow());
}
