#pragma once
// "Sınıf seti…": a class set from a worksheet window. The teacher picks a
// number of sheets or a class list (typed or pasted, one name a line, or
// read from a file with "Sınıf listesi…"), the answer key (with the answers
// as QR codes on the sheets or the key) and, for half-page sheets, two sheets
// to an A4 page; "Hazırla" draws the set as successive presses of the
// window's "Yeni Hazırla" would, "Bak" previews every page, "Yazdır" prints
// them as one job and "HTML olarak kaydet…" writes a web page for each pupil
// into a folder. The same dialog serves every window.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "common/core/SheetSource.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zarvik {

class ClassSetDialog : public QDialog {
    Q_OBJECT
  public:
    // halfPage: the window's sheets are A5, so "A4'e iki yarım sayfa" applies.
    ClassSetDialog(QWidget* window, bool halfPage);

    // What the window does on the three buttons; prepare returns whether the
    // set was made (an error leaves the last set as it was).
    std::function<bool(const ClassSetChoice&)> prepare;
    std::function<void()> look;
    std::function<void()> print;
    std::function<void(const QString& folder)> saveHtml;
    // Asks for the class list file; an empty answer cancels. Tests replace it.
    std::function<QString(QWidget* parent)> askClassListPath;
    // Asks for the folder of the web pages; an empty answer cancels.
    std::function<QString(QWidget* parent)> askHtmlFolder;

    // Throws InputRefused for a class list it cannot use (empty, control
    // characters), naming the line.
    ClassSetChoice choice() const;
    // Reads the class list file into the list; a refused list shows the
    // Turkish message and keeps the previous one.
    void chooseClassList(const QString& path);
    // The list as typed (one name a line): the run keeps one list for every
    // window's dialog, so each starts with what was typed in another.
    QString classListText() const;
    void setClassListText(const QString& text);
    std::function<void(const QString&)> classListChanged;

  private:
    void updateButtons();
    void showListCount();

    QRadioButton* countChoice_;
    QSpinBox* count_;
    QRadioButton* listChoice_;
    QPushButton* listButton_;
    QLabel* listLabel_;
    QPlainTextEdit* listText_;
    QCheckBox* answerKey_;
    QComboBox* answerCode_;
    QCheckBox* twoUp_ = nullptr;
    QPushButton* prepareButton_;
    QPushButton* lookButton_;
    QPushButton* printButton_;
    QPushButton* htmlButton_;
};

}  // namespace zarvik
