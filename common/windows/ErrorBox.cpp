#include "common/windows/ErrorBox.h"

#include <QMessageBox>

#include "common/core/Names.h"

namespace zarvik {

void showErrorBox(QWidget* parent, const QString& message) {
    showErrorBox(parent, QString(), message);
}

void showErrorBox(QWidget* parent, const QString& advice, const QString& message) {
    if (advice.isEmpty()) {
        QMessageBox::critical(parent, names::kApplicationTitle.toString(), message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, names::kApplicationTitle.toString(), advice,
                    QMessageBox::Ok, parent);
    box.setInformativeText(message);
    box.exec();
}

}  // namespace zarvik
