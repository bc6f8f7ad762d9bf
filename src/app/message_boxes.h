// The message boxes of the desktop application. Every box goes through one
// replaceable function, so that tests can answer and record them.
#pragma once
#include <string>

// The icon and buttons of a box: one OK button, or Yes and No for the two
// questions (one with the question icon, one with the warning icon).
enum class BoxKind { Warning, Error, Information, Question, WarningQuestion };

// Shows a box and waits for it: true for OK, or for Yes in a question. The
// box belongs to the active window.
using ShowBox = bool (*)(BoxKind kind, const std::string& title, const std::string& text);
extern ShowBox showBox;

// Titled "Warning" (or "Error") from group "Msg", with one OK button.
void warningBox(const std::string& text);
void errorBox(const std::string& text);
