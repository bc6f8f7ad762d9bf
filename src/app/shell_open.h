// Opening a file, a web address or a mail link with the desktop's own
// program for it. The result is not looked at: a page that does not open
// shows nothing. Replaceable, so that tests can record what was opened.
#pragma once
#include <string>

using OpenWithShell = void (*)(const std::string& target);
extern OpenWithShell openWithShell;
