#pragma once
// The largest values the windows, their dialogs and zarvik-cli accept, in
// one place, each with its reason. Every one is far beyond what a class
// uses (and beyond every item the windows' lists offer), yet keeps the
// longest run to a few seconds and its file to some hundred megabytes. A
// value above its limit is refused, naming the field and the limit, before
// anything is drawn or written.

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

// Sheets of one class set from zarvik-cli (--sheets, or the names of
// --names): a hundred thousand pages is some three hundred classes' worth.
// Its pages are streamed into the file, so memory stays flat.
inline constexpr int kMostSheets = 100'000;

// Exercises of one zarvik-cli run, all sheets together (sheets × exercises
// a sheet): the largest sheet and the largest set are each fine alone, but
// not together; ten million text lines take some ten seconds.
inline constexpr int64_t kMostExercisesInRun = 10'000'000;

// Sheets of one class set painted into a PDF: a page takes some
// milliseconds to lay out and paint (a clock sheet with its drawn key the
// most), so ten thousand, some three hundred classes' worth, finish within
// half a minute.
inline constexpr int kMostPaintedSheets = 10'000;

// Sheets of one class set from a window's "Sınıf seti…": its pages wait in
// memory for "Bak" and "Yazdır", a few hundred kilobytes each.
inline constexpr int kMostSheetsInWindow = 500;

// Word problems on one sheet (--count, "Problem sayısı"): the window offers
// up to 20; a hundred fill some 25 pages, and more would only repeat the
// stories.
inline constexpr int kMostProblems = 100;

// Exercises of one text worksheet that the text window also lays out on
// pages for "Bak" and "Yazdır"; more go to Zarvik.txt only, since their
// pages would fill the memory.
inline constexpr int kMostPrintedExercises = 20'000;

// Exercises of a text class set whose pages the window keeps for "Bak" and
// "Yazdır" (sheets × exercises).
inline constexpr int64_t kMostPrintedSetExercises = 100'000;

// A mixed sheet's preset file (.zarvik): a sheet of a dozen sections is a
// kilobyte or two, so 64 KiB leaves room for any sheet a class uses while a
// stray or hostile file is refused before it is read into memory.
inline constexpr int64_t kMostPresetBytes = 64 * 1024;

// Sections of one mixed sheet: each is drawn and sampled for its variety
// before the sheet is made, so their number bounds the time a preset takes
// to be checked.
inline constexpr int kMostSections = 40;

// Exercises of one section, and of one whole mixed sheet: a thousand is some
// thirty A4 pages, far beyond homework, and a set of a thousand such sheets
// still goes into one PDF in a minute or two.
inline constexpr int kMostSectionExercises = 500;
inline constexpr int kMostMixedSheetExercises = 1000;

}  // namespace zarvik::limits
