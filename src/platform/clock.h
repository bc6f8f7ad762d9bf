// Time and chance: the local clock, a monotonic clock and the random source.
#pragma once
#include <cstdint>

// Seconds since 1970-01-01 00:00:00 counted in local time (no time zone):
// the form in which settings store dates.
int64_t localSecondsNow();

// Broken-down local date and time of this moment.
struct LocalTime {
  int year, month, day, hour, minute, second;
};
LocalTime localTimeNow();

// Converts between real (UTC) seconds and seconds counted in local time.
int64_t utcToLocalSeconds(int64_t utcSeconds);
int64_t localToUtcSeconds(int64_t localSeconds);

// A uniformly distributed whole number from low to high, both included.
int32_t randomBetween(int32_t low, int32_t high);
