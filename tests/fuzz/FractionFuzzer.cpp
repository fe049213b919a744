// libFuzzer target: the fraction generators from the window's list texts (or
// any texts), then the answer key of the drawn rows. Every input must end
// with a table and its answers or one of the program's errors.
//
// Input: 8 bytes seed, then one selector byte for each list (0xFF: a text of
// its own follows, 0-separated).

#include <QStringList>
#include <cstdint>

#include "common/core/Errors.h"
#include "fractions/core/FractionAnswers.h"
#include "fractions/core/FractionWorksheet.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

template <size_t N>
QStringList listOf(const char16_t* const (&texts)[N]) {
    QStringList items;
    for (const char16_t* text : texts)
        items << QString::fromUtf16(text);
    return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarvik::fuzz::FuzzInput input(data, size);
    const int64_t seed = input.take<int64_t>();
    zarvik::FractionChoices choices;
    choices.operation = input.pick(listOf(zarvik::fractions::kOperationTexts));
    choices.type = input.pick(listOf(zarvik::fractions::kTypeTexts));
    choices.relation = input.pick(listOf(zarvik::fractions::kRelationTexts));
    choices.teacher = QStringLiteral("Öğretmen");
    choices.date = QStringLiteral("01/02/2026");
    zarvik::RandomDraw random;
    random.seed(seed);
    zarvik::FractionWorksheet sheet;
    try {
        sheet.prepare(choices, random);
        (void)zarvik::fractions::fractionAnswers(sheet.exercises());
    } catch (const zarvik::Error&) {
    }
    return 0;
}
