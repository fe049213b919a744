#include "text_worksheets/windows/Zarvikeski.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "common/core/Limits.h"
#include "common/core/TextOutputs.h"
#include "common/windows/ClassSetDialog.h"
#include "common/core/DateText.h"
#include "common/windows/ErrorBox.h"
#include "common/core/Errors.h"
#include "common/core/FieldNumber.h"
#include "common/windows/Look.h"
#include "common/core/Names.h"
#include "common/windows/WindowControls.h"
#include "text_worksheets/core/TextCatalogue.h"
#include "text_worksheets/core/TextPages.h"
#include "text_worksheets/core/TextSheetSource.h"
#include "text_worksheets/core/TextWorksheet.h"

using zarvik::runGuarded;
using zarvik::TextHelpItem;
using zarvik::TextKind;

namespace {

const QString kWorksheetFile = QStringLiteral("Zarvik.txt");
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);

void fillList(QComboBox* list, const zarvik::ParameterList& parameter) {
    list->setEditText(QString());
    list->clear();
    list->addItems(parameter.items);
    // Adding items selects the first one; the field must stay empty.
    list->setCurrentIndex(-1);
    list->setEditText(QString());
}

// A preparation that runs past half a second shows how far it has come, with
// an "İptal" button that stops it; the dialog is redrawn at most every 50 ms.
class ProgressBox : public zarvik::TextProgress {
  public:
    explicit ProgressBox(QWidget* parent) : parent_(parent) { started_.start(); }

    bool carryOn(int64_t done, int64_t total) override {
        if (!dialog_) {
            if (started_.elapsed() < 500) return true;
            dialog_ =
                std::make_unique<QProgressDialog>(QStringLiteral("Alıştırmalar hazırlanıyor..."),
                                                  QStringLiteral("İptal"), 0, 1000, parent_);
            dialog_->setWindowTitle(zarvik::names::kApplicationTitle.toString());
            // No window may draw while the sheet is drawn: its exercises stay one run.
            dialog_->setWindowModality(Qt::ApplicationModal);
            dialog_->setMinimumDuration(0);
            dialog_->setAutoReset(false);
            dialog_->setAutoClose(false);
            dialog_->show();
        } else if (shown_.isValid() && shown_.elapsed() < 50) {
            return true;
        }
        shown_.start();
        const int64_t permille = total > 0 ? std::min<int64_t>(1000, done * 1000 / total) : 0;
        dialog_->setValue(static_cast<int>(permille));
        QCoreApplication::processEvents();
        return !dialog_->wasCanceled();
    }

  private:
    QWidget* parent_;
    QElapsedTimer started_;
    QElapsedTimer shown_;
    std::unique_ptr<QProgressDialog> dialog_;
};

const QString kOldFileKept =
    QStringLiteral("Önceki %1 dosyası olduğu gibi bırakıldı.").arg(kWorksheetFile);

QString tooLongForPages(int64_t most) {
    return QStringLiteral("%1'den çok alıştırma yalnız %2 dosyasına yazılır, sayfaya basılmaz.")
        .arg(QLocale(QLocale::Turkish).toString(static_cast<qlonglong>(most)), kWorksheetFile);
}

// The title timer draws too; paused, it cannot fall between a sheet's draws
// while a progress dialog lets events through.
class TimerPause {
  public:
    explicit TimerPause(QTimer* timer) : timer_(timer), ticking_(timer->isActive()) {
        timer_->stop();
    }
    ~TimerPause() {
        if (ticking_) timer_->start();
    }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

  private:
    QTimer* timer_;
    bool ticking_;
};

}  // namespace

void zarvik::DesktopFileOpener::open(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

// The window's controls as the generators read them.
class TFormZarvikEski::Fields : public zarvik::TextFields {
  public:
    explicit Fields(const TFormZarvikEski& window) : window_(window) {}
    QString edit1() const override { return window_.Edit1->text(); }
    QString comboBox1() const override { return window_.ComboBox1->currentText(); }
    QString comboBox2() const override { return window_.ComboBox2->currentText(); }
    bool checkBox1() const override { return window_.CheckBox1->isChecked(); }

  private:
    const TFormZarvikEski& window_;
};

TFormZarvikEski::TFormZarvikEski(zarvik::AppContext& context, QWidget* parent)
    : WorksheetWindow(context, parent, zarvik::kFixedWindowFlags),
      context_(context),
      fields_(std::make_unique<Fields>(*this)) {
    setObjectName(QStringLiteral("FormZarvikEski"));
    setWindowTitle(zarvik::names::kAuthorWebAddress.toString());
    setWindowIcon(zarvik::textWindowIcon());
    setFont(zarvik::dialogFont());
    buildControls();
    buildMenu();
    FormCreate();
}

TFormZarvikEski::~TFormZarvikEski() = default;

void TFormZarvikEski::setFileOpener(zarvik::FileOpener* opener) {
    opener_ = opener ? opener : &desktopOpener_;
}

void TFormZarvikEski::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(228, 356);

    using zarvik::makeColouredLabel;
    Label8 = makeColouredLabel(client, "Label8", 8, 0, QStringLiteral("Açıklama:"), kRed);
    QFont underlined = Label8->font();
    underlined.setUnderline(true);
    Label8->setFont(underlined);
    Label8->adjustSize();
    Label1 = makeColouredLabel(client, "Label1", 8, 16, QStringLiteral("Label1"), kNavy);
    Label2 = makeColouredLabel(client, "Label2", 8, 104,
                               QStringLiteral("Aşağıdaki boşlukları eksiksiz doldurunuz!"), kRed);

    Edit1 = zarvik::makeEdit(client, "Edit1", QRect(8, 136, 65, 21));
    Edit1->setMaxLength(9);
    Edit1->setText(QStringLiteral("0"));
    Label3 = makeColouredLabel(client, "Label3", 80, 136, zarvik::kExerciseCountCaption.toString(),
                               kNavy);

    ComboBox1 =
        zarvik::makeEditableList(client, "ComboBox1", QRect(8, 168, 65, 21), QStringLiteral("0"));
    Label4 = makeColouredLabel(client, "Label4", 80, 168, QStringLiteral("Label4"), kNavy);
    ComboBox2 =
        zarvik::makeEditableList(client, "ComboBox2", QRect(8, 200, 65, 21), QStringLiteral("1"));
    Label5 = makeColouredLabel(client, "Label5", 80, 200, QStringLiteral("Label5"), kNavy);

    CheckBox1 = zarvik::makeCheckBox(client, "CheckBox1", QRect(56, 224, 17, 33));
    Label6 = makeColouredLabel(client, "Label6", 80, 232, QStringLiteral("Label6"), kNavy);

    Label7 = makeColouredLabel(client, "Label7", 24, 256, QStringLiteral("Label7"), kRed);

    Button1 = zarvik::makeButtonWidget(client, "Button1", QRect(64, 304, 97, 25),
                                       QStringLiteral("Ödev Hazırla >>"));
    zarvik::setTextColour(Button1, kRed);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    setTabOrder(Edit1, ComboBox1);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, CheckBox1);
    setTabOrder(CheckBox1, Button1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    // Runs for the whole run, shown or hidden.
    Timer1->start();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);
    buildPrintArea();
    layout->addWidget(PrintArea);
}

// Below the original client area, so none of its controls moves.
void TFormZarvikEski::buildPrintArea() {
    PrintArea = new QWidget(this);
    PrintArea->setObjectName(QStringLiteral("PrintArea"));
    PrintArea->setFixedSize(kPrintAreaSize);

    using zarvik::makeColouredLabel;
    makeColouredLabel(PrintArea, "LabelOgretmen", 8, 5, QStringLiteral("Öğretmen"), kNavy);
    EditOgretmen = zarvik::makeEdit(PrintArea, "EditOgretmen", QRect(72, 2, 148, 21));
    makeColouredLabel(PrintArea, "LabelTarih", 8, 31, QStringLiteral("Tarih"), kNavy);
    EditTarih = zarvik::makeEdit(PrintArea, "EditTarih", QRect(72, 28, 81, 21));
    EditTarih->setText(zarvik::dateText(context_.today()));

    ButtonBak = zarvik::makeButtonWidget(PrintArea, "ButtonBak", QRect(8, 56, 65, 25),
                                         QStringLiteral("Bak"));
    ButtonYazdir = zarvik::makeButtonWidget(PrintArea, "ButtonYazdir", QRect(80, 56, 65, 25),
                                            QStringLiteral("Yazdır"));
    ButtonSinifSeti = zarvik::makeButtonWidget(PrintArea, "ButtonSinifSeti", QRect(152, 56, 69, 25),
                                               QStringLiteral("Sınıf seti…"));
    ButtonSinifSeti->setToolTip(
        QStringLiteral("Her öğrenciye ayrı bir sayfa, istenirse cevap anahtarıyla"));
    connect(ButtonBak, &QPushButton::clicked, this, [this] { ButtonBakClick(); });
    connect(ButtonYazdir, &QPushButton::clicked, this, [this] { ButtonYazdirClick(); });
    connect(ButtonSinifSeti, &QPushButton::clicked, this, [this] { openClassSetDialog(); });
    setPageButtonsEnabled(false);

    setTabOrder(Button1, EditOgretmen);
    setTabOrder(EditOgretmen, EditTarih);
    setTabOrder(EditTarih, ButtonBak);
    setTabOrder(ButtonBak, ButtonYazdir);
    setTabOrder(ButtonYazdir, ButtonSinifSeti);

    ButtonTahta = addBoardButton(PrintArea, QRect(8, 87, 213, 25), ButtonBak);
    setTabOrder(ButtonSinifSeti, ButtonTahta);
}

void TFormZarvikEski::setPageButtonsEnabled(bool enabled, const QString& why) {
    for (QPushButton* button : {ButtonBak, ButtonYazdir}) {
        button->setEnabled(enabled);
        button->setToolTip(why);
    }
}

void TFormZarvikEski::buildMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // Inside the window on every desktop, so the client area keeps its size.
    MainMenu1->setNativeMenuBar(false);
    layout()->setMenuBar(MainMenu1);

    const zarvik::TextMainMenu exercises = zarvik::textExercisesMenu();
    QMenu* exercisesMenu = MainMenu1->addMenu(exercises.menuText);
    exercisesMenu->setObjectName(exercises.itemName);
    std::vector<QMenu*> groups;
    for (const zarvik::TextMenuGroup& group : zarvik::textMenuGroups()) {
        groups.push_back(exercisesMenu->addMenu(group.menuText));
        groups.back()->setObjectName(group.itemName);
    }
    for (const TextKind& kind : zarvik::textKinds()) {
        QAction* action = groups.at(kind.group)->addAction(kind.menuText);
        action->setObjectName(kind.itemName);
        connect(action, &QAction::triggered, this, [this, &kind] { exerciseItemClick(kind); });
    }

    const zarvik::TextMainMenu help = zarvik::textHelpMenu();
    QMenu* helpMenu = MainMenu1->addMenu(help.menuText);
    helpMenu->setObjectName(help.itemName);
    for (const TextHelpItem& item : zarvik::textHelpItems()) {
        QAction* action = helpMenu->addAction(item.caption);
        action->setObjectName(item.itemName);
        connect(action, &QAction::triggered, this, [this, &item] { helpItemClick(item); });
    }
}

void TFormZarvikEski::FormCreate() {
    setLabelText(Label1, zarvik::textWindowStartText());
    // Nothing but the start text and the menu until a kind is chosen, so the
    // button cannot be pressed without one.
    for (QWidget* control :
         std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Label6, Label7, Label8,
                                         Edit1, ComboBox1, ComboBox2, CheckBox1, Button1})
        control->hide();
    setPrintAreaShown(false);
}

// Its controls, not the area: the window keeps its size.
void TFormZarvikEski::setPrintAreaShown(bool shown) {
    for (QWidget* control : PrintArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setVisible(shown);
}

void TFormZarvikEski::setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void TFormZarvikEski::exerciseItemClick(const TextKind& kind) {
    runGuarded(this, [&] {
        Label1->show();
        Label2->show();
        Label7->hide();
        Label8->show();
        setLabelText(Label8, QStringLiteral("Açıklama"));

        Button1->show();
        setPrintAreaShown(true);
        Label3->show();
        Edit1->show();
        Edit1->clear();

        Label4->setVisible(kind.first.shown());
        ComboBox1->setVisible(kind.first.shown());
        Label5->setVisible(kind.second.shown());
        ComboBox2->setVisible(kind.second.shown());
        Label6->setVisible(kind.checkShown());
        CheckBox1->setVisible(kind.checkShown());
        CheckBox1->setChecked(false);

        setLabelText(Label1, kind.description);
        setLabelText(Label4, kind.first.caption);
        setLabelText(Label5, kind.second.caption);
        setLabelText(Label6, kind.checkCaption);

        fillList(ComboBox1, kind.first);
        fillList(ComboBox2, kind.second);

        // The pages of the last press are another kind's: "Bak" and "Yazdır"
        // wait for the next "Ödev Hazırla >>".
        if (kind.code != kindCode_)
            setPageButtonsEnabled(false, QStringLiteral("Önce \"Ödev Hazırla >>\" düğmesine basınız."));
        kindCode_ = kind.code;
    });
}

void TFormZarvikEski::helpItemClick(const TextHelpItem& item) {
    runGuarded(this, [&] {
        setLabelText(Label1, item.text);
        for (QWidget* control :
             std::initializer_list<QWidget*>{Label2, Label3, Label4, Label5, Label6, Label7})
            control->hide();
        Label8->show();
        setLabelText(Label8, item.caption);
        // The kind and the fields' texts stay for the next exercise choice.
        for (QWidget* control :
             std::initializer_list<QWidget*>{Edit1, ComboBox1, ComboBox2, CheckBox1, Button1})
            control->hide();
        setPrintAreaShown(false);
    });
}

void TFormZarvikEski::Button1Click() {
    runGuarded(this, [&] {
        // Only 0, before any choice, is not a kind; the button is hidden then.
        if (!zarvik::isTextKind(kindCode_)) return;
        const Fields fields(*this);
        const TimerPause pause(Timer1);
        // The pages come from the lines as drawn; a huge count goes to the file only.
        const bool keep = typedCount() <= zarvik::limits::kMostPrintedExercises;
        auto sheet = std::make_unique<zarvik::TextSheet>();
        try {
            ProgressBox progress(this);
            zarvik::writeTextWorksheet(kindCode_, fields, context_.random, kWorksheetFile,
                                       &progress, keep ? sheet.get() : nullptr);
        } catch (const zarvik::Cancelled& e) {
            QMessageBox::information(this, zarvik::names::kApplicationTitle.toString(),
                                     e.message() + u'\n' + kOldFileKept);
            return;
        } catch (const zarvik::FileError& e) {
            // Running out of disk space lands here: the old file is still whole.
            zarvik::showErrorBox(this, e.message() + u'\n' + kOldFileKept);
            return;
        }
        if (keep) {
            sheet_ = std::move(sheet);
            setPageButtonsEnabled(true);
        } else {
            sheet_.reset();
            setPageButtonsEnabled(false, tooLongForPages(zarvik::limits::kMostPrintedExercises));
        }
        setLabelText(Label7, zarvik::textCompletionText());
        Label7->show();
        opener_->open(kWorksheetFile);
    });
}

int64_t TFormZarvikEski::typedCount() const {
    try {
        return zarvik::fieldNumber(Edit1->text());
    } catch (const zarvik::Error&) {
        return -1;  // the generation refuses it with the field's message
    }
}

std::vector<zarvik::Page> TFormZarvikEski::sheetPages() const {
    std::vector<zarvik::Page> pages;
    if (sheet_)
        zarvik::buildTextPages(*sheet_, EditOgretmen->text(), EditTarih->text(),
                               [&pages](zarvik::Page&& page) { pages.push_back(std::move(page)); });
    return pages;
}

void TFormZarvikEski::ButtonBakClick() {
    runGuarded(this, [&] {
        if (sheet_ && ButtonBak->isEnabled()) previewSheet(sheetPages());
    });
}

void TFormZarvikEski::ButtonYazdirClick() {
    runGuarded(this, [&] {
        if (sheet_ && ButtonYazdir->isEnabled()) printSheet(sheetPages());
    });
}

QStringList TFormZarvikEski::sheetNameParts() const {
    return {sheet_ ? zarvik::textSheetTitle(sheet_->kind) : QString()};
}

std::unique_ptr<zarvik::SheetSource> TFormZarvikEski::makeSheetSource() {
    return std::make_unique<zarvik::TextSheetSource>(kindCode_, *fields_, EditOgretmen->text(),
                                                     EditTarih->text());
}

zarvik::HtmlSheet TFormZarvikEski::shownSheet() {
    if (!sheet_) return {};
    return {zarvik::textSheetTitle(sheet_->kind), {}, zarvik::textSheetExercises(*sheet_), {}};
}

zarvik::ExerciseList TFormZarvikEski::currentExercises() const {
    return sheet_ ? zarvik::textSheetExercises(*sheet_) : zarvik::ExerciseList();
}

QString TFormZarvikEski::missingPagesReason() const {
    return tooLongForPages(zarvik::limits::kMostPrintedSetExercises);
}

// Zarvik.txt gets every sheet, Cevap-Anahtari.txt beside it the key: the
// file a teacher prints for the class never holds the answers. The set's
// pages wait for the dialog's "Bak" and "Yazdır" unless there are too many;
// the window's own sheet, its "Bak" and "Yazdır", stay as they were.
bool TFormZarvikEski::prepareClassSet(const zarvik::ClassSetChoice& choice) {
    bool made = false;
    runGuarded(this, [&] {
        if (!zarvik::isTextKind(kindCode_)) return;
        const TimerPause pause(Timer1);
        const int64_t count = typedCount();
        const bool keep = count <= zarvik::limits::kMostPrintedExercises &&
                          count * choice.sheets <= zarvik::limits::kMostPrintedSetExercises;
        zarvik::TextSheetSource source(kindCode_, *fields_, EditOgretmen->text(),
                                       EditTarih->text());
        const QString keyFile = zarvik::kAnswerKeyFileName.toString();
        zarvik::ListingWriter file(
            std::make_unique<zarvik::FileTarget>(kWorksheetFile), zarvik::TextEncoding::Cp1254CrLf,
            choice, choice.answerKey ? std::make_unique<zarvik::FileTarget>(keyFile) : nullptr);
        ProgressBox progress(this);
        try {
            runClassSet(source, choice, &file, keep, [&](int k) {
                if (!progress.carryOn(k, choice.sheets))
                    throw zarvik::Cancelled(
                        QStringLiteral("Sınıf setinin hazırlanması iptal edildi."));
            });
        } catch (const zarvik::Cancelled& e) {
            QMessageBox::information(this, zarvik::names::kApplicationTitle.toString(),
                                     e.message() + u'\n' + kOldFileKept);
            return;
        } catch (const zarvik::FileError& e) {
            zarvik::showErrorBox(this, e.message() + u'\n' + kOldFileKept);
            return;
        }
        setLabelText(Label7, choice.answerKey
                                 ? QStringLiteral(" Sınıf seti %1 dosyasına, cevap anahtarı\n"
                                                  " %2 dosyasına yazıldı.")
                                       .arg(kWorksheetFile, keyFile)
                                 : QStringLiteral(" Sınıf seti %1 dosyasına yazıldı.")
                                       .arg(kWorksheetFile));
        Label7->show();
        opener_->open(kWorksheetFile);
        made = keep;
    });
    return made;
}

void TFormZarvikEski::Timer1Timer() {
    runGuarded(this, [&] {
        switch (context_.random.draw(3)) {
            case 0:
                setWindowTitle(QStringLiteral("Zarvik 2.02"));
                break;
            case 1:
                setWindowTitle(zarvik::names::kPublisherWebAddress.toString());
                break;
            default:
                setWindowTitle(zarvik::names::kAuthorWebAddress.toString());
                break;
        }
    });
}

void TFormZarvikEski::keyPressEvent(QKeyEvent* event) {
    // Enter presses the default button from any field.
    // Not from the printed pages' fields: Enter there must not draw a new sheet.
    const QWidget* focus = focusWidget();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !Button1->isHidden() &&
        Button1->isEnabled() && !(focus && PrintArea->isAncestorOf(focus))) {
        Button1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
