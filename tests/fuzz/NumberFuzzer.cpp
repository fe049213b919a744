// libFuzzer target: the number worksheet kinds with any digit count text and
// either column choice, then the answer key of the drawn numbers. Every input
// must end with a page and its answers or one of the program's errors.
//
// Input: 8 bytes seed, a selector byte for the kind (0xFF: a text of its own
// follows), one byte for the columns, then the digit count text.

#include <cstdint>

#include "common/core/Errors.h"
#include "numbers/core/NumberAnswers.h"
#include "numbers/core/NumberWorksheet.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

class NoMessages : public zarvik::MessageSink {
  public:
    void showMessage(const QString&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zarvik::fuzz::FuzzInput input(data, size);
    const int64_t seed = input.take<int64_t>();
    zarvik::NumberChoices choices;
    choices.kind = input.pick(zarvik::numberKindTexts());
    const bool oneColumn = input.take<uint8_t>() & 1;
    choices.columns = (oneColumn ? zarvik::kOneColumn : zarvik::kTwoColumns).toString();
    choices.digits = input.text();
    choices.teacher = QStringLiteral("Öğretmen");
    choices.date = QStringLiteral("01/02/2026");
    zarvik::RandomDraw random;
    random.seed(seed);
    zarvik::NumberWorksheet sheet;
    NoMessages messages;
    try {
        sheet.prepare(choices, random, messages);
        if (sheet.sheet()) (void)zarvik::numberAnswers(*sheet.sheet(), oneColumn);
    } catch (const zarvik::Error&) {
    }
    return 0;
}
