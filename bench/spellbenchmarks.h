#pragma once

#include <QString>

// Registers SaveSpell and LoadSpell of a spell with 10,000 modifier rows, designed on the
// rules file given, beside the baseline: reading the same document and parsing it with a bare
// QXmlStreamReader.
void registerSpellBenchmarks(const QString &rulesFile);
