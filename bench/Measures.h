#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// What the benchmarks measure of their own process, and the writing of their inputs.

// The peak resident memory so far (VmHWM), in kilobytes; -1 when it cannot be read.
long peakKilobytes();
// CPU time used by the process so far, in seconds.
double cpuSeconds();
// CPU time (user and system) used so far by the child processes that were waited for, in seconds.
double childCpuSeconds();
// The value at fraction p (0..1) of the sorted values; 0 for no values.
double percentile(std::vector<double> v, double p);

// Writes a benchmark's input; a file that cannot be written ends the benchmark with a message.
void writeInput(const QString& path, const QByteArray& bytes);
