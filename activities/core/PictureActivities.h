#pragma once
// The activity kinds taught with pictures: fractions as shapes, number
// lines, data (tally and frequency tables, pictographs, bar graphs),
// perimeter and area on a centimetre grid, a ruler, plane shapes, and coins
// and notes. Each generator draws its items with their pictures
// (ActivityItem::picture) and their data (values); the option lists it reads
// are given here for the table of kinds (ActivityKinds.cpp).

#include "activities/core/ActivityKinds.h"

namespace zarvik {

namespace pictureOptions {
const QStringList& grades234();        // "2. sınıf" … "4. sınıf"
const QStringList& fractionTasks();    // write, shade, compare, mixed
const QStringList& fractionKinds();    // proper only, or improper and mixed too
const QStringList& numberLineSteps();  // 1, 2, 5, 10, 100, mixed, fractions
const QStringList& numberLineTasks();  // write the missing, mark, mixed
const QStringList& dataTopics();       // fruits, pets, colours, days, mixed
const QStringList& tallyGrades();      // "1. sınıf" … "4. sınıf"
const QStringList& tallyTasks();       // from a list, from tally marks
const QStringList& pictographKeys();   // one picture = 1, 2, 5, 10, halves, mixed
const QStringList& graphTasks();       // read, draw
const QStringList& barScales();        // 1, 2, 5, 10, mixed
const QStringList& gridTasks();        // perimeter, area, both, draw
const QStringList& gridShapes();       // rectangles, any rectilinear
const QStringList& rulerUnits();       // cm, cm and mm
const QStringList& rulerStarts();      // at 0, anywhere
const QStringList& shapeTasks();       // name, sides and corners, count
const QStringList& shapeSets();        // four basic, with pentagon and hexagon
const QStringList& moneyShows();       // in words (as before), as pictures
}  // namespace pictureOptions

ActivitySheet fractionModels(const ActivityValues& values, RandomDraw& random);
ActivitySheet numberLines(const ActivityValues& values, RandomDraw& random);
ActivitySheet tallyTables(const ActivityValues& values, RandomDraw& random);
ActivitySheet pictographs(const ActivityValues& values, RandomDraw& random);
ActivitySheet barGraphs(const ActivityValues& values, RandomDraw& random);
ActivitySheet perimeterAndArea(const ActivityValues& values, RandomDraw& random);
ActivitySheet rulers(const ActivityValues& values, RandomDraw& random);
ActivitySheet planeShapes(const ActivityValues& values, RandomDraw& random);
// Money as coins and notes: the largest amount's option as "20 TL".
ActivitySheet moneyPictures(const QString& largest, RandomDraw& random);

}  // namespace zarvik
