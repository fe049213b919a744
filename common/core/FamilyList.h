#pragma once
// The families, one line each, in the order start-up creates their windows:
// F(folder, command). The folder's core defines `const Family& folderFamily()`
// and its windows `const FamilyWindows& folderWindows()`; the build, the
// registry, the launcher, zarvik-cli and the fuzz targets read this list.

#define ZARVIK_FAMILIES(F)           \
    F(numbers, numbers)              \
    F(fractions, fraction)           \
    F(column_worksheets, column)     \
    F(text_worksheets, text)         \
    F(activities, activity)          \
    F(word_problems, problems)       \
    F(mixed_sheets, sheet)
