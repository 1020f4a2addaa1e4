#pragma once

#include <QColor>
#include <QtGlobal>

// Colours travel through this code as OLE colour values: 0x00BBGGRR for a plain colour, or a
// value with the top bit set whose low byte names a system colour (0x8000000F is the face of
// a button). Keeping that encoding lets persisted forms hold either kind unchanged.
constexpr quint32 oleSystemColorFlag = 0x80000000u;

// The colour an OLE colour value stands for; system colours are taken from the application
// palette so that they follow the desktop's theme.
QColor oleColor(quint32 value);

// The OLE colour value of a plain colour (alpha is dropped).
quint32 oleColorValue(const QColor &color);
