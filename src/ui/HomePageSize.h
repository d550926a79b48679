#pragma once

// Every page of the home window (home, report, erase, about) fills the same
// place below the tab strip.
inline constexpr int kHomePageWidth = 6015;  // twips
inline constexpr int kHomePageHeight = 5655; // twips
