#pragma once

#include <QList>
#include <sys/types.h>

// Measurements of running processes, read from /proc, shared by the benchmark
// programs and the runner that starts them.

// Resident memory of a process and all its descendants, in megabytes. The web
// engine renders in helper processes, so a window with a web view is measured
// with them; shared pages count once per process, for the program and its
// baseline alike.
double TreeResidentMegabytes(pid_t pid);

// CPU time used so far by all threads of a process, in nanoseconds; -1 once
// the process is gone.
qint64 ProcessCpuNanoseconds(pid_t pid);

// The middle value (the upper one of the two middle values for an even count);
// 0 for no values.
double Median(QList<double> values);
