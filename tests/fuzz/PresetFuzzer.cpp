// libFuzzer target: a mixed sheet's preset file (.zarvik) on any bytes. Every
// input must end with the preset's sheet or a refusal; a preset that is read
// is written back and read again unchanged, and a small one is drawn through
// its sections (a large one is only checked, which is all that differs).

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "common/core/Errors.h"
#include "common/core/RandomDraw.h"
#include "mixed_sheets/core/MixedSheetSource.h"

namespace {

class NoMessages : public zarvik::MessageSink {
  public:
    void showMessage(const QString&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Pages measure their texts with the fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    zarvik::SheetPreset preset;
    try {
        preset = zarvik::parsePreset(bytes);
    } catch (const zarvik::PresetRefused&) {
        return 0;
    }
    if (zarvik::parsePreset(zarvik::presetJson(preset)) != preset) std::abort();

    int exercises = 0;
    for (const zarvik::PresetSection& section : preset.sections)
        exercises += section.count;
    NoMessages messages;
    try {
        zarvik::MixedSheetSource source(preset, {}, messages);
        source.shortages(2);
        if (exercises > 120) return 0;
        zarvik::RandomDraw random;
        source.startAt(preset.time.value_or(1));
        source.prepareNext(random);
        if (static_cast<int>(source.sheetExercises().size()) != exercises) std::abort();
        int pages = 0;
        source.sheetPages([&](zarvik::Page&&) { ++pages; });
        if (pages == 0) std::abort();
    } catch (const zarvik::Error&) {
    }
    return 0;
}
