#pragma once
// Running column generators with scripted answers on a fresh sheet.

#include <QString>
#include <QStringList>
#include <memory>

#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/ScriptedQuestions.h"

namespace zarvik::test {

struct ColumnRun {
    explicit ColumnRun(const ColumnWindowDesign& design) : sheet(design) {}
    ColumnSheet sheet;
    ScriptedQuestions questions;
    RandomDraw random;
    const ColumnKind* kind = nullptr;
};

// Prepares the generator's sheet as "Yeni Hazırla" does, seeded as a run
// started at the given time.
inline std::unique_ptr<ColumnRun> runGenerator(const ColumnWindowDesign& design,
                                               QStringView generator, const QStringList& answers,
                                               int64_t seed, const QString& teacher = {},
                                               const QString& date = QStringLiteral("01/02/2009")) {
    auto run = std::make_unique<ColumnRun>(design);
    run->questions = ScriptedQuestions(answers);
    run->random.seed(seed);
    const ColumnKind* kind = findColumnKindByGenerator(generator);
    if (!kind) throw std::logic_error("no generator " + generator.toString().toStdString());
    run->kind = run->sheet.prepare(kind->operation.toString(), kind->property.toString(), teacher,
                                   date, run->questions, run->random);
    return run;
}

inline const ColumnWindowDesign& designFor(bool halfPage) {
    return halfPage ? halfPageDesign() : fullPageDesign();
}

}  // namespace zarvik::test
