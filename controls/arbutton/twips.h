#pragma once

#include <cmath>

#include <QPaintDevice>
#include <QtGlobal>

// Forms and controls are designed in twips (1/1440 inch) and shown at the logical DPI of the
// screen, the DPI that also turns fonts' points into pixels. Every crossing between the two
// rounds one way, to the nearest whole number with halves to even, as persisted values do
// (roundToInt32), so a length means the same pixels in every window and control.
namespace Twips {

inline constexpr double perInch = 1440.0;
// However far arithmetic places a widget, its pixel position stays within this range, far
// beyond any screen and far inside what a widget and an int hold.
inline constexpr double pixelLimit = 1 << 20;

// Twips as whole pixels at dpi.
inline int toPixels(double twips, double dpi)
{
    return int(std::nearbyint(qBound(-pixelLimit, twips * dpi / perInch, pixelLimit)));
}

// Pixels as twips at dpi, fractions kept, for arithmetic that rounds later.
inline double fromPixels(double pixels, double dpi)
{
    return pixels * perInch / dpi;
}

// Pixels as whole twips at dpi.
inline int wholeFromPixels(int pixels, double dpi)
{
    return int(std::nearbyint(fromPixels(pixels, dpi)));
}

// The same on a widget (or another paint device) across its width (X) and down its height (Y).
inline int toPixelsX(const QPaintDevice &device, double twips)
{
    return toPixels(twips, device.logicalDpiX());
}

inline int toPixelsY(const QPaintDevice &device, double twips)
{
    return toPixels(twips, device.logicalDpiY());
}

inline int wholeFromPixelsX(const QPaintDevice &device, int pixels)
{
    return wholeFromPixels(pixels, device.logicalDpiX());
}

inline int wholeFromPixelsY(const QPaintDevice &device, int pixels)
{
    return wholeFromPixels(pixels, device.logicalDpiY());
}

} // namespace Twips
