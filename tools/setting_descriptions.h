// What each setting does, in the user manual's words. The manual's tables
// take the rest of a row (label, console option, default, range) from the
// field and option tables.
#pragma once
#include "settings/settings.h"

// The description of a field, HTML; nullptr for a field without one.
const char* settingDescription(FieldRef field);
