#include "common/windows/ClassSetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "common/core/ClassList.h"
#include "common/core/Errors.h"
#include "common/core/Limits.h"
#include "common/windows/ErrorBox.h"

namespace zarvik {

namespace {

QString askWithDialog(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Sınıf listesi"), QDir::homePath(),
        QStringLiteral("Metin dosyaları (*.txt);;Bütün dosyalar (*)"));
}

QString askFolderWithDialog(QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Web sayfalarının klasörü"),
                                             QDir::currentPath(),
                                             QFileDialog::ShowDirsOnly |
                                                 QFileDialog::DontUseNativeDialog);
}

}  // namespace

ClassSetDialog::ClassSetDialog(QWidget* window, bool halfPage) : QDialog(window) {
    setObjectName(QStringLiteral("ClassSetDialog"));
    setWindowTitle(QStringLiteral("Sınıf seti"));

    countChoice_ = new QRadioButton(QStringLiteral("Sayfa sayısı:"), this);
    countChoice_->setObjectName(QStringLiteral("SheetCountChoice"));
    countChoice_->setChecked(true);
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("SheetCount"));
    count_->setRange(1, limits::kMostSheetsInWindow);
    count_->setValue(30);
    listChoice_ = new QRadioButton(QStringLiteral("Sınıf listesinden"), this);
    listChoice_->setObjectName(QStringLiteral("ClassListChoice"));
    listButton_ = new QPushButton(QStringLiteral("Sınıf listesi…"), this);
    listButton_->setObjectName(QStringLiteral("ClassListButton"));
    listButton_->setToolTip(QStringLiteral("Bir metin dosyasından oku"));
    listText_ = new QPlainTextEdit(this);
    listText_->setObjectName(QStringLiteral("ClassListText"));
    listText_->setPlaceholderText(
        QStringLiteral("Her satıra bir öğrencinin adını yazınız ya da listeyi buraya "
                       "yapıştırınız."));
    listText_->setTabChangesFocus(true);
    listText_->setMinimumSize(260, 140);
    listLabel_ = new QLabel(this);
    listLabel_->setObjectName(QStringLiteral("ClassListLabel"));
    answerKey_ = new QCheckBox(QStringLiteral("Cevap anahtarı"), this);
    answerKey_->setObjectName(QStringLiteral("AnswerKeyBox"));
    // The answers as QR codes, which a phone's camera reads from the paper.
    auto* answerCodeLabel = new QLabel(QStringLiteral("Cevaplar QR koduyla:"), this);
    answerCode_ = new QComboBox(this);
    answerCode_->setObjectName(QStringLiteral("AnswerCodeList"));
    answerCode_->addItem(QStringLiteral("Yok"), static_cast<int>(AnswerCodePlace::None));
    answerCode_->addItem(QStringLiteral("Her sayfanın altında"),
                         static_cast<int>(AnswerCodePlace::SheetFooter));
    answerCode_->addItem(QStringLiteral("Cevap anahtarında"),
                         static_cast<int>(AnswerCodePlace::Key));
    answerCode_->setEnabled(false);
    answerCodeLabel->setBuddy(answerCode_);
    if (halfPage) {
        twoUp_ = new QCheckBox(QStringLiteral("A4'e iki yarım sayfa"), this);
        twoUp_->setObjectName(QStringLiteral("TwoUpBox"));
    }
    prepareButton_ = new QPushButton(QStringLiteral("Hazırla"), this);
    prepareButton_->setObjectName(QStringLiteral("SetPrepareButton"));
    lookButton_ = new QPushButton(QStringLiteral("Bak"), this);
    lookButton_->setObjectName(QStringLiteral("SetLookButton"));
    printButton_ = new QPushButton(QStringLiteral("Yazdır"), this);
    printButton_->setObjectName(QStringLiteral("SetPrintButton"));
    htmlButton_ = new QPushButton(QStringLiteral("HTML olarak kaydet…"), this);
    htmlButton_->setObjectName(QStringLiteral("SetHtmlButton"));
    htmlButton_->setToolTip(QStringLiteral(
        "Her öğrenciye, telefonda açılan ve cevaplarını denetleyen bir web sayfası"));
    auto* close = new QPushButton(QStringLiteral("Kapat"), this);
    close->setObjectName(QStringLiteral("SetCloseButton"));

    auto* grid = new QGridLayout;
    grid->addWidget(countChoice_, 0, 0);
    grid->addWidget(count_, 0, 1);
    grid->addWidget(listChoice_, 1, 0);
    grid->addWidget(listButton_, 1, 1);
    grid->addWidget(listText_, 2, 0, 1, 2);
    grid->addWidget(listLabel_, 3, 0, 1, 2);
    grid->addWidget(answerKey_, 4, 0, 1, 2);
    if (twoUp_) grid->addWidget(twoUp_, 5, 0, 1, 2);
    grid->addWidget(answerCodeLabel, 6, 0);
    grid->addWidget(answerCode_, 6, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {prepareButton_, lookButton_, printButton_, htmlButton_, close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    lookButton_->setEnabled(false);
    printButton_->setEnabled(false);
    htmlButton_->setEnabled(false);
    // Any change of the choices asks for a new "Hazırla" before "Bak".
    auto changed = [this] { updateButtons(); };
    connect(countChoice_, &QRadioButton::toggled, this, changed);
    connect(count_, &QSpinBox::valueChanged, this, changed);
    connect(answerKey_, &QCheckBox::toggled, this, changed);
    connect(answerKey_, &QCheckBox::toggled, answerCode_, &QComboBox::setEnabled);
    connect(answerCode_, &QComboBox::currentIndexChanged, this, changed);
    connect(listText_, &QPlainTextEdit::textChanged, this, [this] {
        // Typing a list means using it.
        if (!listText_->toPlainText().trimmed().isEmpty()) listChoice_->setChecked(true);
        showListCount();
        updateButtons();
        if (classListChanged) classListChanged(listText_->toPlainText());
    });
    if (twoUp_) connect(twoUp_, &QCheckBox::toggled, this, changed);
    connect(listButton_, &QPushButton::clicked, this, [this] {
        const QString path = askClassListPath ? askClassListPath(this) : askWithDialog(this);
        if (!path.isEmpty()) chooseClassList(path);
    });
    connect(prepareButton_, &QPushButton::clicked, this, [this] {
        bool made = false;
        runGuarded(this, [&] {
            const ClassSetChoice chosen = choice();
            made = prepare && prepare(chosen);
        });
        if (made) {
            lookButton_->setEnabled(true);
            printButton_->setEnabled(true);
            htmlButton_->setEnabled(true);
        }
    });
    showListCount();
    connect(lookButton_, &QPushButton::clicked, this, [this] {
        if (look) look();
    });
    connect(printButton_, &QPushButton::clicked, this, [this] {
        if (print) print();
    });
    connect(htmlButton_, &QPushButton::clicked, this, [this] {
        const QString folder = askHtmlFolder ? askHtmlFolder(this) : askFolderWithDialog(this);
        if (!folder.isEmpty() && saveHtml) saveHtml(folder);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void ClassSetDialog::updateButtons() {
    lookButton_->setEnabled(false);
    printButton_->setEnabled(false);
    htmlButton_->setEnabled(false);
}

namespace {
const QString kTypedList = QStringLiteral("yazılan liste");
}

ClassSetChoice ClassSetDialog::choice() const {
    ClassSetChoice choice;
    if (listChoice_->isChecked()) {
        choice.names = classListNames(listText_->toPlainText(), kTypedList);
        choice.sheets = static_cast<int>(choice.names.size());
        if (choice.sheets > limits::kMostSheetsInWindow)
            throw InputRefused(QStringLiteral("Sınıf listesinde %1 ad var; bir sınıf setinde en "
                                              "çok %2 sayfa olabilir.")
                                   .arg(choice.sheets)
                                   .arg(limits::kMostSheetsInWindow));
    } else {
        choice.sheets = count_->value();
    }
    choice.answerKey = answerKey_->isChecked();
    if (choice.answerKey)
        choice.answerCode = static_cast<AnswerCodePlace>(answerCode_->currentData().toInt());
    choice.twoUp = twoUp_ && twoUp_->isChecked();
    return choice;
}

void ClassSetDialog::chooseClassList(const QString& path) {
    runGuarded(this, [&] {
        const QStringList names = readClassList(path);
        setClassListText(names.join(u'\n'));
        listChoice_->setChecked(true);
        listLabel_->setText(
            QStringLiteral("%1 öğrenci: %2").arg(names.size()).arg(QFileInfo(path).fileName()));
    });
}

QString ClassSetDialog::classListText() const {
    return listText_->toPlainText();
}

void ClassSetDialog::setClassListText(const QString& text) {
    if (listText_->toPlainText() != text) listText_->setPlainText(text);
}

// How many names the list holds, as the set will count them.
void ClassSetDialog::showListCount() {
    int count = 0;
    for (const QStringView line : QStringView(listText_->toPlainText()).split(u'\n'))
        count += !line.trimmed().isEmpty();
    listLabel_->setText(count == 0 ? QStringLiteral("Liste boş")
                                   : QStringLiteral("Listede %1 öğrenci var.").arg(count));
}

}  // namespace zarvik
