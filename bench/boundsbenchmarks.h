#pragma once

#include <QString>

// Work bounded by the limits on what a user can hand the program: start-up on a rules file of
// 60 MB of empty lines (past the line limit), start-up with the window shown on the largest
// file of empty lines the limits accept, and an Open of a document of twenty thousand category
// elements with the rules file `oneMegabyteRules` (skipped when it is empty). Besides: how long
// the window waits for its events while the 60 MB file is checked, beside the check itself,
// and what the undo history holds after a hundred changes of a category of 199,990 modifiers,
// beside two.
void registerBoundsBenchmarks(const QString &oneMegabyteRules);
