#include "common/ErrorBox.h"

#include <QMessageBox>

#include "common/Names.h"

namespace zarvik {

void showErrorBox(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, names::kApplicationTitle.toString(), message);
}

}  // namespace zarvik
