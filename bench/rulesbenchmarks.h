#pragma once

#include <QString>

// Registers, for one rules data file, the baseline (reading it line by line with decoding)
// and the benchmarks of every handler that reads it, plus CalculateDrain on its rows.
// Benchmark names are "<label>/<what>", which the ratio summary pairs up.
void registerRulesBenchmarks(const QString &label, const QString &rulesFile);
