// What a signal that ends the process does first: remove the temporary
// files being written and give the terminal back its settings.
#pragma once

// Installs the handler for every signal whose default action ends the
// process and that still has that default here: a signal the parent
// ignores (nohup) stays ignored, and a handler someone else installed (a
// sanitizer's) stays in place. The handler cleans up, then ends the process
// by the same signal with its default action, so the exit status is the
// signal's.
void installExitCleanup();
