#include "app/desktop_app.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/init.h>

#include "app/compact_style.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "app/update_messages.h"
#include "batch/job_state.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "platform/files.h"
#include "platform/instance_lock.h"
#include "settings/configuration.h"
#include "settings/settings.h"
#include "text/product.h"

namespace {

// The shutdown, when the main window closes by its close box or Alt+X.
void closeDesktop(wxCloseEvent&) {
  recordWindowGeometry();
  if (!settings.outFoldersHistory) settings.recentOutFolders.clear();
  (void)saveConfiguration();
  releaseInstanceLock();
  mainWindow()->Destroy();
}

// Runs `start` with standard error silenced: the toolkit's own complaints
// about a missing display would come before our one line.
bool quietly(bool (*start)()) {
  fflush(stderr);
  int saved = dup(2);
  int null = open("/dev/null", O_WRONLY);
  if (null >= 0) dup2(null, 2);
  bool started = start();
  if (saved >= 0) dup2(saved, 2);
  if (null >= 0) close(null);
  if (saved >= 0) close(saved);
  return started;
}

}  // namespace

bool startToolkit() {
  const char* x11 = getenv("DISPLAY");
  const char* wayland = getenv("WAYLAND_DISPLAY");
  if (!(x11 && *x11) && !(wayland && *wayland)) return false;
  // The toolkit sees no parameters of ours: they are the command line's.
  static int argc = 1;
  static char name[] = "zorvane";
  static char* argv[] = {name, nullptr};
  wxApp::SetInstance(new wxApp);
  if (!quietly([] { return wxEntryStart(argc, argv); })) return false;
  wxTheApp->SetAppName("zorvane");
  useCompactStyle();
  return true;
}

wxFrame* openDesktop(bool scheduledCheck) {
  buildInputCatalogue();
  buildOutputCatalogue();
  resetJobState();
  loadLanguageTable();
  wxRect desktop = wxDisplay(0u).GetGeometry();
  setDesktopSize(desktop.width, desktop.height);
  configurationPath();
  loadConfiguration();
  loadPictures();
  wxFrame* frame = openMainWindow();
  frame->Bind(wxEVT_CLOSE_WINDOW, closeDesktop);
  if (scheduledCheck) scheduledUpdateCheck();
  return frame;
}

void acceptStartFile(const std::vector<std::string>& parameters) {
  if (parameters.size() != 1 || parameters[0].empty() || parameters[0][0] == '-') return;
  std::string path = parameters[0];
  if (!isRegularFile(path)) return;
  // A dropped file comes with its whole path; a typed one is taken from the
  // current folder.
  char folder[PATH_MAX];
  if (path[0] != '/' && getcwd(folder, sizeof folder)) path = std::string(folder) + "/" + path;
  acceptFileIntoWindow(path);
}

int runDesktopApplication(int argc, char** argv) {
  // A second copy ends at once and silently; console runs never ask.
  if (!takeInstanceLock(titleText())) return 0;
  if (!startToolkit()) {
    fprintf(stderr, "zorvane: cannot open the desktop application: no display\n");
    return 1;
  }
  openDesktop(true);
  acceptStartFile(std::vector<std::string>(argv + 1, argv + argc));
  wxTheApp->OnRun();
  wxEntryCleanup();
  return 0;
}
