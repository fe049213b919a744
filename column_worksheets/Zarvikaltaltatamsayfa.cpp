#include "column_worksheets/Zarvikaltaltatamsayfa.h"

TFormZarvikAltAltaTamSayfa::TFormZarvikAltAltaTamSayfa(zarvik::AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("FormZarvikAltAltaTamSayfa"));
    setWindowTitle(QStringLiteral("Tam Sayfa"));
    setFixedSize(207, 213);
    FormCreate();
}

void TFormZarvikAltAltaTamSayfa::FormCreate() {
    (void)context_;
}
