#pragma once

namespace bench {

// For the start benchmarks only; no shipped program links it. When the environment variable
// HYGRODEX_START_PROBE holds the moment the process was launched (nanoseconds of the real-time
// clock), the program writes the milliseconds from then to the end of the first paint of the
// widget of that object name, and the processor milliseconds it has used by then, on standard
// output and ends at once. Without the variable this does nothing.
void install_start_probe(const char* painted_widget_name);

}  // namespace bench
