#include "numbers/core/NumberSheetSource.h"

#include "numbers/core/NumberAnswers.h"

namespace zarvik {

namespace {

class SilentMessages : public MessageSink {
  public:
    void showMessage(const QString&) override {}
};

}  // namespace

void NumberSheetSource::prepareNext(RandomDraw& random) {
    SilentMessages silent;
    worksheet_.prepare(choices_, random, first_ || everySheet_ ? messages_ : silent);
    first_ = false;
}

QStringList NumberSheetSource::sheetAnswers() {
    return worksheet_.sheet() ? numberAnswers(*worksheet_.sheet(), choices_.columns == kOneColumn)
                              : QStringList();
}

}  // namespace zarvik
