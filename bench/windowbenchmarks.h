#pragma once

#include <QString>

class RatioReporter;

// Times the main window constructed, loaded from the rules file given and shown (offscreen):
// once cold, the first window of the process, which `reporter` receives as a figure of its
// own, and then warm as a benchmark.
void registerWindowBenchmarks(const QString &rulesFile, RatioReporter &reporter);
