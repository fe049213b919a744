#include "common/core/SheetSet.h"

namespace zarvik {

SheetNeeds SheetWriters::needs() const {
    SheetNeeds all;
    for (const auto& writer : writers_) {
        const SheetNeeds needs = writer->needs();
        all.pages = all.pages || needs.pages;
        all.exercises = all.exercises || needs.exercises;
        all.answers = all.answers || needs.answers;
        all.listing = all.listing || needs.listing;
    }
    return all;
}

void SheetWriters::beforeSheet(int k, SheetSource& source) {
    for (const auto& writer : writers_)
        writer->beforeSheet(k, source);
}

void SheetWriters::addSheet(int k, SheetSource& source) {
    for (const auto& writer : writers_)
        writer->addSheet(k, source);
}

void SheetWriters::finish() {
    for (const auto& writer : writers_)
        writer->finish();
}

void runSheetSet(SheetSource& source, RandomDraw& random, const ClassSetChoice& choice,
                 SheetWriter& writer, const std::function<void(int k)>& sheetDone) {
    source.setNeeds(writer.needs());
    source.setPupilNames(choice.names);
    for (int k = 1; k <= choice.sheets; ++k) {
        writer.beforeSheet(k, source);
        source.prepareNext(random);
        writer.addSheet(k, source);
        if (sheetDone) sheetDone(k);
    }
    writer.finish();
}

}  // namespace zarvik
