// The desktop conversion run: the Convert command checks the job taken from
// the main window's rows, then converts behind the progress window, which
// watches the worker, asks before stopping it and shows the outcome.
#pragma once

// Command 14. Returns after a warning, or when the progress window has been
// closed.
void startConversion();
