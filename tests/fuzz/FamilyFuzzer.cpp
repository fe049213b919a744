// libFuzzer target for one family of the registry (ZARVIK_FUZZ_COMMAND, one
// target a family): its options with values mostly from its own lists,
// sometimes any text, a seed, and one or two sheets run through the sheet
// loop into JSON, the listing and (for some inputs) the pages and the key.
// Every input must end with its outputs or one of the program's errors; an
// output that grows past 256 KiB, or a text sheet past 20,000 exercises, is
// stopped, since legitimate huge runs only repeat the same work.
//
// Input: 8 bytes seed, 1 byte flags (1 key, 2 pages, 4 two sheets, 8 A
// Windows-1254 listing), the positional argument when the family takes one,
// then per option of the family a byte (0: left out) and its value.

#include <QGuiApplication>
#include <QStringList>
#include <cstdint>

#include "common/core/Errors.h"
#include "common/core/Family.h"
#include "common/core/TextOutputs.h"
#include "common/render/ClassSetPages.h"
#include "tests/fuzz/FuzzInput.h"
#include "text_worksheets/core/TextSheetSource.h"

namespace {

struct OutputLimit {};

class CappedTarget : public zarvik::TextTarget {
  public:
    void write(const char*, qsizetype size) override {
        written_ += size;
        if (written_ > 256 * 1024) throw OutputLimit{};
    }
    void finish() override {}

  private:
    qsizetype written_ = 0;
};

class ShortSheets : public zarvik::TextProgress {
  public:
    bool carryOn(int64_t done, int64_t) override {
        if (done > 20'000) throw OutputLimit{};
        return true;
    }
};

class NoMessages : public zarvik::MessageSink {
  public:
    void showMessage(const QString&) override {}
};

const zarvik::Family& fuzzedFamily() {
    static const zarvik::Family* family = zarvik::familyOfCommand(QStringLiteral(ZARVIK_FUZZ_COMMAND));
    return *family;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Pages measure their texts with the fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return zarvik::familyOfCommand(QStringLiteral(ZARVIK_FUZZ_COMMAND)) ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const zarvik::Family& family = fuzzedFamily();
    zarvik::fuzz::FuzzInput input(data, size);
    const int64_t seed = input.take<int64_t>();
    const uint8_t flags = input.take<uint8_t>();
    QStringList arguments{family.command()};
    if (!family.positional().isEmpty()) arguments << input.pick(family.positionalValues());
    for (const zarvik::FamilyOption& option : family.options()) {
        const uint8_t mode = input.take<uint8_t>();
        if (mode % 3 == 0) continue;
        arguments << QStringLiteral("--") + option.names.front();
        if (!option.valueName.isEmpty()) arguments << input.pick(option.values);
    }
    arguments << input.rest();

    zarvik::ClassSetChoice choice;
    choice.answerKey = flags & 1;
    choice.sheets = flags & 4 ? 2 : 1;
    NoMessages messages;
    ShortSheets shortSheets;
    zarvik::RandomDraw random;
    random.seed(seed);
    try {
        const std::unique_ptr<zarvik::SheetSource> source = zarvik::sheetSourceOf(
            arguments, {QStringLiteral("Öğretmen"), QStringLiteral("01/02/2026")}, messages);
        if (auto* text = dynamic_cast<zarvik::TextSheetSource*>(source.get()))
            text->setProgress(&shortSheets);
        zarvik::SheetWriters writers;
        writers.add(std::make_unique<zarvik::JsonWriter>(std::make_unique<CappedTarget>(), choice));
        writers.add(std::make_unique<zarvik::ListingWriter>(
            std::make_unique<CappedTarget>(),
            flags & 8 ? zarvik::TextEncoding::Cp1254CrLf : zarvik::TextEncoding::Utf8, choice));
        if (flags & 2)
            writers.add(std::make_unique<zarvik::PagesWriter>(choice, [](const zarvik::Page&) {}));
        zarvik::runSheetSet(*source, random, choice, writers);
    } catch (const zarvik::UsageError&) {
    } catch (const zarvik::Error&) {
    } catch (const OutputLimit&) {
    }
    return 0;
}
