#include "fractions/Zarvikkesir.h"

TFormZarvikKesir::TFormZarvikKesir(zarvik::AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("FormZarvikKesir"));
    setWindowTitle(QStringLiteral("Zarvik Kesir"));
    setFixedSize(204, 231);
    FormCreate();
}

void TFormZarvikKesir::FormCreate() {
    // Seeds the one random draw of the run; start-up creates this window
    // before any exercise is drawn.
    context_.random.seedFromClock();
}
