#pragma once
// The largest values the windows and zarvik-cli accept, in one place. Each is
// far beyond what a class uses (and beyond every item the windows' lists
// offer), yet keeps the longest run to a few seconds and its file to some
// hundred megabytes. A value above its limit is refused, with the field
// named, before anything is drawn or written.

#include <cstdint>

namespace zarvik::limits {

// Exercises in one text worksheet ("Alıştırma sayısı", --count): a million
// lines (about 30 MB for most kinds) take under a second.
inline constexpr int32_t kMostExercises = 1'000'000;

// Digits of a number to read (kinds 501 and 502; the lists offer up to 15
// and 6). The words of a reading stop at 21 digits; a million numbers of 100
// digits take about 3 seconds and 80 MB.
inline constexpr int32_t kMostDigitsToRead = 100;

// Numbers in one sum of kind 105 (the list offers up to 9): a million sums
// of 30 numbers take about a second and 80 MB.
inline constexpr int32_t kMostTermsInSum = 30;

// Sheets of one class set (--sheets), and so pupils in one class list: a
// hundred thousand pages is some three hundred classes' worth.
inline constexpr int kMostSheets = 100'000;

}  // namespace zarvik::limits
