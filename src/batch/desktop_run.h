// The start of a conversion in the desktop application: the job taken from
// the main window's three rows, and the checks it makes, in its own order,
// before the progress window starts the worker.
#pragma once
#include <string>

#include "batch/checks.h"

// Fills the job from the rows and checks it. The job's input path becomes
// the trimmed input text; the input set is emptied and takes that path when
// its size query gives anything but 0 (a missing path or a folder pass) and
// its extension is accepted. The output folder becomes the trimmed folder
// text, with "/" appended when it lacks one, and the output extension the
// given one. Then, stopping at the first: an empty input set, an empty
// folder text, a folder that does not exist, the resize sizes, the watermark
// font (loaded here, and freed when the run finishes) and the watermark
// picture.
[[nodiscard]] Check startDesktopJob(const std::string& inputText, const std::string& folderText,
                                    const std::string& extension);

// How the desktop application words a problem of `startDesktopJob`: the key
// of its message in group "Msg", the value of its "%s1%", and whether the
// status bar first says that the conversion stopped.
struct DesktopMessage {
  const char* key = nullptr;
  std::string argument;
  bool showsStopped = false;
};
DesktopMessage desktopMessageOf(const Check& check);
