#pragma once

#include <QString>

struct SpellSnapshot;

// The few words the Edit menu names a step of the history with ("Add Modifier 'Lightning'"),
// read from the window before and after it.
namespace StepName {

// `designStarted`: New, Open or Restore began the step.
QString between(const SpellSnapshot &before, const SpellSnapshot &after, bool designStarted);

} // namespace StepName
