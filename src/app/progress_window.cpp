#include "app/progress_window.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "batch/desktop_run.h"
#include "batch/job_state.h"
#include "batch/progress_texts.h"
#include "batch/worker.h"
#include "i18n/language_table.h"
#include "settings/settings.h"
#include "settings/recent_folders.h"

namespace {

// How often the window looks at the run.
constexpr int pollMilliseconds = 15;

wxString wx(const std::string& value) { return wxString::FromUTF8(value); }

struct ProgressWindow {
  wxDialog* dialog = nullptr;
  wxStaticText* nameLine = nullptr;
  wxGauge* bar = nullptr;
  wxButton* ok = nullptr;
  wxTimer timer;
  int32_t fileCount = 0;
  int32_t lastIndexShown = 0;
  int cw = 7;
  bool running = false;  // the worker is known: started and its end not yet seen
  bool stopped = false;
  bool asking = false;   // the stop question is open; the run is not looked at
};

// The worker has ended: the outcome, and OK may close the window.
void showOutcome(ProgressWindow& window) {
  RunSnapshot end = runSnapshot();
  setStatusText(finishedStatusText(window.stopped));
  window.dialog->SetTitle(wx(finishedTitle(window.stopped, window.lastIndexShown, window.fileCount)));
  window.nameLine->SetLabel(wx(finishedNameLine(window.stopped, end, window.fileCount)));
  if (!window.stopped) window.bar->SetValue(window.fileCount + 1);
  window.ok->Enable();
  window.ok->SetFocus();
  window.running = false;
}

void poll(ProgressWindow& window) {
  if (!window.running || window.asking) return;
  RunSnapshot now = runSnapshot();
  if (now.ended) return showOutcome(window);
  if (now.currentIndex <= window.lastIndexShown) return;
  window.lastIndexShown = now.currentIndex;
  window.dialog->SetTitle(wx(runningTitle(now, window.fileCount)));
  window.nameLine->SetLabel(wx(shortenedName(now.currentName, window.cw)));
  window.bar->SetValue(now.currentIndex);
}

void closeAsked(ProgressWindow& window) {
  if (window.running && runSnapshot().ended) showOutcome(window);
  if (!window.running) {
    window.dialog->EndModal(wxID_OK);
    return;
  }
  // The worker waits between files while the question is open.
  window.asking = true;
  holdRun();
  bool yes = showBox(BoxKind::WarningQuestion, lookupText("Msg", "Warning"), lookupText("Msg", "Ask break conversion"));
  if (yes) {
    window.stopped = true;
    stopRun();
  }
  releaseRun();
  window.asking = false;
}

void runProgressWindow() {
  ProgressWindow window;
  window.fileCount = static_cast<int32_t>(inputSet.size());
  wxDialog dialog(mainWindow(), wxID_ANY, wx(lookupText("Dialog", "Convert Progress")), wxDefaultPosition,
                  wxDefaultSize, wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU, "progressWindow");
  window.dialog = &dialog;
  dialog.SetClientSize(300, 130);
  dialog.SetEscapeId(wxID_NONE);
  window.nameLine = new wxStaticText(&dialog, wxID_ANY, "", wxPoint(10, 13), wxSize(280, 20),
                                     wxST_NO_AUTORESIZE, "nameLine");
  window.bar = new wxGauge(&dialog, wxID_ANY, window.fileCount + 1, wxPoint(10, 50), wxSize(280, 20),
                           wxGA_HORIZONTAL | wxGA_SMOOTH, wxDefaultValidator, "progressBar");
  window.ok = new wxButton(&dialog, wxID_OK, wx(lookupText("Dialog", "OK")), wxPoint(110, 95), wxSize(80, 25), 0,
                           wxDefaultValidator, "okButton");
  window.ok->SetDefault();
  window.ok->Disable();
  dialog.CentreOnParent();

  wxClientDC measure(&dialog);
  measure.SetFont(dialog.GetFont());
  window.cw = characterWidth(measure.GetTextExtent("abc123:\\-").x);

  window.ok->Bind(wxEVT_BUTTON, [&window](wxCommandEvent&) {
    if (!window.running) window.dialog->EndModal(wxID_OK);
  });
  dialog.Bind(wxEVT_CLOSE_WINDOW, [&window](wxCloseEvent& event) {
    event.Veto();
    closeAsked(window);
  });
  window.timer.Bind(wxEVT_TIMER, [&window](wxTimerEvent&) { poll(window); });

  if (startRun()) {
    window.running = true;
    window.timer.Start(pollMilliseconds);
    dialog.ShowModal();
    window.timer.Stop();
  }
  // Joins the worker and frees the watermark font that the checks loaded.
  (void)finishRun();
  mainWindow()->SetFocus();
}

}  // namespace

void startConversion() {
  setStatusText(lookupText("General", "Preparing"));
  Check problem = startDesktopJob(inputFieldText(), outputFolderText(), chosenOutputExtension());
  if (problem) {
    DesktopMessage message = desktopMessageOf(problem);
    if (message.showsStopped) setStatusText(lookupText("Msg", "Conversion is not complete"));
    warningBox(fillPlaceholders(lookupText("Msg", message.key), message.argument));
    return;
  }
  prepareOutputFormat();
  std::string before = settings.recentOutFolders;
  (void)addRecentOutputFolder(job.outputFolder);
  if (settings.recentOutFolders != before) refillOutputFolderList();
  setStatusText(lookupText("General", "Converting"));
  runProgressWindow();
}
