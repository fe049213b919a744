#include "column_worksheets/windows/DialogQuestions.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "common/core/Names.h"

namespace zarvik {

QString DialogQuestions::askText(const QString& prompt, const QString& defaultText) {
    QInputDialog box(parent_);
    box.setObjectName(QString::fromLatin1(kInputBoxName));
    box.setWindowTitle(names::kPublisherWebAddress.toString());
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    box.setOkButtonText(QStringLiteral("Tamam"));
    box.setCancelButtonText(QStringLiteral("İptal"));
    return box.exec() == QDialog::Accepted ? box.textValue() : defaultText;
}

bool DialogQuestions::askYesNo(const QString& question) {
    QMessageBox box(QMessageBox::Question, names::kPublisherWebAddress.toString(), question,
                    QMessageBox::NoButton, parent_);
    box.setObjectName(QString::fromLatin1(kYesNoBoxName));
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
    // Not the No role: a button in that role would also answer Escape and
    // the close button, and the question has no way out but its two answers.
    QPushButton* no = box.addButton(QStringLiteral("Hayır"), QMessageBox::ActionRole);
    yes->setObjectName(QStringLiteral("Evet"));
    no->setObjectName(QStringLiteral("Hayır"));
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace zarvik
