#include "numbers/Zarviksayilar.h"

TFormZarvikSayilar::TFormZarvikSayilar(zarvik::AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("FormZarvikSayilar"));
    setWindowTitle(QStringLiteral("Sayı Alıştırmaları"));
    setFixedSize(207, 250);
    FormCreate();
}

void TFormZarvikSayilar::FormCreate() {
    (void)context_;
}
