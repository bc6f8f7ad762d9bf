#include "platform/clock.h"

#include <ctime>
#include <mutex>
#include <random>

int64_t utcToLocalSeconds(int64_t utcSeconds) {
  time_t t = static_cast<time_t>(utcSeconds);
  struct tm local;
  localtime_r(&t, &local);
  return utcSeconds + local.tm_gmtoff;
}

int64_t localToUtcSeconds(int64_t localSeconds) {
  // Read the value as a wall-clock reading and let the C library find the
  // instant it names in this time zone.
  time_t t = static_cast<time_t>(localSeconds);
  struct tm fields;
  gmtime_r(&t, &fields);
  fields.tm_isdst = -1;
  return static_cast<int64_t>(mktime(&fields));
}

int64_t localSecondsNow() { return utcToLocalSeconds(static_cast<int64_t>(time(nullptr))); }

LocalTime localTimeNow() {
  time_t t = time(nullptr);
  struct tm local;
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

int32_t randomBetween(int32_t low, int32_t high) {
  static std::mutex lock;
  static std::mt19937 generator{std::random_device{}()};
  std::lock_guard<std::mutex> guard(lock);
  return std::uniform_int_distribution<int32_t>(low, high)(generator);
}
