#include "shell/Trace.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace versilo {
namespace {

// The process's start in seconds since boot, from /proc/self/stat (field 22,
// in clock ticks), so marks include the time before main.
double StartSinceBoot() {
  std::ifstream in("/proc/self/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
  }
  return std::atof(field.c_str()) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

bool TraceEnabled() {
  static const bool enabled = [] {
    const char* v = std::getenv("VERSILO_TRACE");
    return v && std::strcmp(v, "0") != 0 && *v;
  }();
  return enabled;
}

double MillisecondsSinceStart() {
  static const double start = StartSinceBoot();
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - start) * 1000.0;
}

void TraceMark(const char* what) {
  if (!TraceEnabled()) return;
  std::fprintf(stderr, "versilo-trace: %.1f %s\n", MillisecondsSinceStart(), what);
}

}  // namespace versilo
