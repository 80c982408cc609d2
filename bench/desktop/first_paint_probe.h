#pragma once
// The moment a window has first been painted, as a child of the start-up benchmark reports it: the
// monotonic clock in nanoseconds on standard output, which the parent compares with the moment it
// started the child. Shared by the program's child and the bare Qt program, so both are measured
// alike.

class QWidget;

namespace bench {

// Once every widget of window has been painted for the first time (Qt paints a window's widgets in
// one pass), prints the clock and ends the process at once, without its teardown.
void ReportFirstPaintAndExit(QWidget& window);

// The monotonic clock, as both sides read it.
long long MonotonicNanoseconds();

}  // namespace bench
