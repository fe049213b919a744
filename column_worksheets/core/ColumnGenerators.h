#pragma once
// The sixteen column worksheet generators and the table that dispatches to
// them by the window's operation ("İşlem") and property ("Özellik") texts.
//
// A generator asks its questions in order, draws its problems one after
// another (every retry a fresh draw at that point), stores each problem in
// the sheet and, for the grid kinds, ends with SetLineWidthAndOperator. The
// order of questions and draws decides which sheet a seed gives.

#include <QStringList>
#include <QStringView>
#include <span>

#include "column_worksheets/core/ColumnDesign.h"
#include "common/core/Questions.h"
#include "common/core/RandomDraw.h"

namespace zarvik {

class ColumnSheet;

// What a generator works with: the questions, the draw, the sheet it fills and
// its window's constants.
struct GeneratorRun {
    Questions& questions;
    RandomDraw& random;
    ColumnSheet& sheet;
    const ColumnGeneratorConstants& constants;
};

using ColumnGenerator = void (*)(GeneratorRun&);

struct ColumnKind {
    QStringView operation;  // ComboBox1 item
    QStringView property;   // ComboBox2 item
    QStringView generatorName;
    ColumnGenerator generate;
};

// All sixteen kinds; within an operation in the order of its property list.
std::span<const ColumnKind> columnKinds();

// Exact comparison of both texts; nullptr when no row matches.
const ColumnKind* findColumnKind(QStringView operation, QStringView property);
const ColumnKind* findColumnKindByGenerator(QStringView generatorName);

// ComboBox1's items, and the items ComboBox2 gets for an operation (empty for
// a text that is not an operation).
QStringList columnOperations();
QStringList columnProperties(QStringView operation);

}  // namespace zarvik
