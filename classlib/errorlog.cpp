// Appends fault lines to "errors.txt" in the working folder.
#include "classlib/errorlog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "classlib/safefile.h"

namespace {

// The asctime layout without its newline, e.g. "Sun Dec  6 10:30:23 2026". Built by hand: the
// front end sets the player's locale, and strftime would then name days and months in it.
void AsctimeStamp(const std::tm& t, char* stamp, std::size_t size) {
  static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* day = (t.tm_wday >= 0 && t.tm_wday < 7) ? kDays[t.tm_wday] : "???";
  const char* month = (t.tm_mon >= 0 && t.tm_mon < 12) ? kMonths[t.tm_mon] : "???";
  std::snprintf(stamp, size, "%.3s %.3s%3d %.2d:%.2d:%.2d %d", day, month, t.tm_mday, t.tm_hour,
                t.tm_min, t.tm_sec, 1900 + t.tm_year);
}

}  // namespace

void LogError(const char* path, const char* context, const char* detail) {
  // Take the error number first: opening the log may change errno.
  const int lastError = errno;

  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[64];
  AsctimeStamp(local, stamp, sizeof stamp);
  std::string line = std::string(stamp) + ": ";
  if (context) line.append(context).append(" ");
  line.append(path ? path : "").append(": ").append(detail ? detail : std::strerror(lastError));
  // The line goes in whole or not at all: a full disk leaves the log as it was.
  AppendLine("errors.txt", line);
  errno = lastError;
}
