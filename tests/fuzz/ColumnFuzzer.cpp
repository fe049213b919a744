// libFuzzer target: the column worksheet generators of both papers with
// arbitrary answers to their questions, then the answer key of what they
// drew. Every input must end with a sheet and its answers or one of the
// program's errors.
//
// Input: 1 byte paper, 2 bytes kind selector (mostly a menu kind, sometimes
// any operation and property texts), 8 bytes seed, then the answers to the
// questions separated by 0 bytes.

#include <QStringList>
#include <cstdint>

#include "column_worksheets/core/ColumnAnswers.h"
#include "column_worksheets/core/ColumnDesign.h"
#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnSheet.h"
#include "column_worksheets/core/ScriptedQuestions.h"
#include "common/core/Errors.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarvik::fuzz::FuzzInput input(data, size);
    const bool fullPage = input.take<uint8_t>() & 1;
    const uint16_t selector = input.take<uint16_t>();
    const int64_t seed = input.take<int64_t>();
    QString operation, property;
    const auto kinds = zarvik::columnKinds();
    if (selector == 0xFFFF) {
        operation = input.text();
        property = input.text();
    } else {
        const zarvik::ColumnKind& kind = kinds[selector % kinds.size()];
        operation = kind.operation.toString();
        property = kind.property.toString();
    }
    zarvik::ScriptedQuestions questions(input.rest());
    zarvik::RandomDraw random;
    random.seed(seed);
    zarvik::ColumnSheet sheet(fullPage ? zarvik::fullPageDesign() : zarvik::halfPageDesign());
    try {
        sheet.prepare(operation, property, QStringLiteral("Öğretmen"), QStringLiteral("01/02/2026"),
                      questions, random);
        (void)zarvik::columnAnswers(sheet.problems());
    } catch (const zarvik::Error&) {
    }
    return 0;
}
