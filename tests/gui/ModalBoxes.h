#pragma once
// Answers the modal boxes that the code under test opens: a timer finds the
// active modal widget, records a message box's title, text and detail (the
// informative text below it), and closes it,
// so a handler that shows a box returns to the test.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace zarvik::test {

class ModalBoxes {
  public:
    ModalBoxes() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(5);
    }

    QStringList texts;
    QStringList details;
    QStringList titles;
    QList<QMessageBox::Icon> icons;

  private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->text();
            details << box->informativeText();
            titles << box->windowTitle();
            icons << box->icon();
        } else {
            texts << QStringLiteral("<%1>").arg(modal->metaObject()->className());
            details << QString();
            titles << modal->windowTitle();
            icons << QMessageBox::NoIcon;
        }
        modal->close();
    }

    QTimer timer_;
};

}  // namespace zarvik::test
