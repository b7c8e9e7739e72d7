#pragma once
// Time marks for measuring start-up and page switches: with VERSILO_TRACE=1
// the reader prints "versilo-trace: <ms since process start> <what>" to
// standard error. Without it, a mark costs one branch.
namespace versilo {

void TraceMark(const char* what);
bool TraceEnabled();
// Milliseconds since the process started.
double MillisecondsSinceStart();

}  // namespace versilo
