#pragma once

#include <QString>

class RatioReporter;

// The spell book of 10,000 generated spell documents (five to thirteen rows each) on the rules
// file given: the book filled and every spell rebuilt, and cantrix-book on the same folder, each
// beside opening the same documents one after the other with LoadSpell. Measured once each, by
// the wall clock, as a user waits for them; peak memory is printed beside them. And a book
// PDF of 1,000 of their cards.
void registerBookBenchmarks(const QString &rulesFile, RatioReporter &reporter);
