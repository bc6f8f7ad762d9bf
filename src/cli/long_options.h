// The long options of the command line ("--WIDTH=640", "--INVERT", ...) and
// profile files that carry the same options.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "settings/settings.h"

struct ChoiceList;

enum class OptionKind { Num, Real, Key, Text, Switch, Profile };

// One option: the field it sets, how its value is read, and the stage
// switch it turns on as well. A switch option stores `value`.
struct LongOption {
  std::string name;  // as compared: upper case, with the leading "--"
  OptionKind kind;
  FieldRef field;
  const ChoiceList* keywords = nullptr;  // for Key options: the list the value is read with
  int32_t value = 0;
  FieldRef switchField;
  int32_t switchValue = 1;
  // The name a profile file gives it: the same unless set; "" keeps the
  // option out of profiles.
  const char* profileName = nullptr;
};

// Every long option, the per-format ones made from the format table.
std::span<const LongOption> longOptions();

enum class OptionResult { Applied, NotAnOption, BadValue, BadProfile };

// Applies the long option named by `name` (upper case) with `value`, as
// given on the command line: a value-taking option refuses an empty value or
// one that begins with "--" (BadValue); "--PROFILE" reads a profile file.
OptionResult applyLongOption(const std::string& name, const std::string& value);

// Applies the options of a profile file's "CLI" group in file order; false
// when the file cannot be used (not a regular file, unreadable).
[[nodiscard]] bool loadProfile(const std::string& path);
