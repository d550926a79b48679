#pragma once

// Geometry is written in twips, as the layouts are designed: 15 twips make one
// device-independent pixel. A few offsets come in hundredths of a millimetre.

// Twips to pixels, rounded to the nearest pixel.
constexpr int Px(double twips)
{
    const double pixels = twips / 15.0;
    return int(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

// Pixels to twips.
constexpr int Tw(int pixels) { return pixels * 15; }

// Hundredths of a millimetre to twips (1 inch = 2540 = 1440 twips), rounded.
constexpr int HimetricToTwips(int himetric)
{
    const long long scaled = (long long)himetric * 1440;
    return int(scaled >= 0 ? (scaled + 1270) / 2540 : (scaled - 1270) / 2540);
}
