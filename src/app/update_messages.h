// The update check as the desktop application shows it: the outcome in a
// message box, and the question that the scheduled check asks first.
#pragma once

// Command 23: checks at once (waiting up to about ten seconds) and tells the
// outcome; on a new version, offers to open the product's page.
void checkForUpdateAndTell();

// At start: when the period of `Update Range` has passed since `Update Date`,
// asks whether to check, checks on Yes, and moves `Update Date` to now
// either way.
void scheduledUpdateCheck();
