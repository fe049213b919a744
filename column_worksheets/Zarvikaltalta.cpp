#include "column_worksheets/Zarvikaltalta.h"

TFormZarvikAltAlta::TFormZarvikAltAlta(zarvik::AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("FormZarvikAltAlta"));
    setWindowTitle(QStringLiteral("Yarım Sayfa"));
    setFixedSize(202, 210);
    FormCreate();
}

void TFormZarvikAltAlta::FormCreate() {
    (void)context_;
}
