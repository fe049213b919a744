#include "column_worksheets/windows/ColumnWorksheetWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "column_worksheets/core/ColumnAnswers.h"
#include "column_worksheets/core/ColumnGenerators.h"
#include "column_worksheets/core/ColumnSheetSource.h"
#include "column_worksheets/windows/DialogQuestions.h"
#include "common/core/FileNames.h"
#include "common/windows/WindowControls.h"

using namespace zarvik;

namespace {

PrintedWindowDesign windowDesign(const ColumnWindowDesign& design) {
    return {.objectName = design.objectName.toString(),
            .caption = design.caption.toString(),
            .clientSize = {design.clientWidth, design.clientHeight},
            .banner = {8, 8, 185, 25},
            .blueBanner = true,
            .teacherLabel = {"Label3", 8, 104, QStringLiteral("Öğrtm.")},
            .teacherEdit = {48, 96, 145, 21},
            .dateLabel = {"Label4", 8, 128, QStringLiteral("Tarih")},
            .dateEdit = {48, 120, 145, 21},
            .prepare = {"ButtonHazirla", {8, 152, 70, 25}},
            .look = {"ButtonBak", {85, 152, 50, 25}},
            .print = {"ButtonYazdir", {144, 152, 50, 25}},
            .releasePanel = {8, 184, 185, 17},
            .releaseText = design.releaseText.toString()};
}

}  // namespace

ColumnWorksheetWindow::ColumnWorksheetWindow(AppContext& context, const ColumnWindowDesign& design,
                                             QWidget* parent)
    : PrintedWorksheetWindow(context, windowDesign(design), parent),
      sheet_(design),
      dialogQuestions_(std::make_unique<DialogQuestions>(this)),
      questions_(dialogQuestions_.get()) {
    buildControls();
}

ColumnWorksheetWindow::~ColumnWorksheetWindow() = default;

void ColumnWorksheetWindow::setQuestions(Questions* questions) {
    questions_ = questions ? questions : dialogQuestions_.get();
}

void ColumnWorksheetWindow::buildControls() {
    makeLabel(this, "Label1", 8, 56, QStringLiteral("İşlem :"));
    ComboBox1 = makeList(this, "ComboBox1", {48, 48, 145, 21}, columnOperations());
    ComboBox1->setCurrentIndex(-1);
    makeLabel(this, "Label2", 8, 80, QStringLiteral("Özellik :"));
    ComboBox2 = makeList(this, "ComboBox2", {48, 72, 145, 21});
    addTeacherAndDate();
    addButtonRow();

    // A pick, even of the item already shown, is what the handlers answer;
    // clearing a list from code is not.
    connect(ComboBox1, &QComboBox::activated, this, &ColumnWorksheetWindow::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &ColumnWorksheetWindow::ComboBox2Change);

    setTabOrders({ComboBox1, ComboBox2, ButtonHazirla, ButtonBak, ButtonYazdir, Edit1, Edit2});
    addClassSetButton();

    // Below everything, so no control of the design moves; the window grows
    // by its row. It changes only how the same problems go on paper.
    constexpr int kRow = 24;
    const QSize size = this->size();
    setFixedSize(size.width(), size.height() + kRow);
    CheckBoxYer = makeCheckBox(this, "CheckBoxYer", {8, size.height() - 4, 190, 21});
    CheckBoxYer->setText(QStringLiteral("Daha az işlem, daha çok yer"));
    CheckBoxYer->setToolTip(
        QStringLiteral("Aynı işlemler, her birinin altında çözüm için yer bırakılarak "
                       "birkaç sayfaya yayılır."));
    setTabOrder(ButtonSinifSeti, CheckBoxYer);
}

ColumnChoices ColumnWorksheetWindow::choices() const {
    return {ComboBox1->currentText(), ComboBox2->currentText(), teacherName(), dateText(),
            CheckBoxYer->isChecked()};
}

void ColumnWorksheetWindow::ComboBox1Change() {
    runGuarded(this, [&] {
        ComboBox2->clear();
        ComboBox2->addItems(columnProperties(ComboBox1->currentText()));
        ComboBox2->setCurrentIndex(-1);
        setAllButtonsEnabled(false);
    });
}

void ColumnWorksheetWindow::ComboBox2Change() {
    runGuarded(this, [&] { ButtonHazirla->setEnabled(true); });
}

void ColumnWorksheetWindow::ButtonHazirlaClick() {
    runPreparation([&] {
        sheet_.prepare(ComboBox1->currentText(), ComboBox2->currentText(), teacherName(),
                       dateText(), *questions_, context().random);
    });
}

void ColumnWorksheetWindow::ButtonBakClick() {
    runGuarded(this, [&] {
        ColumnSheetSource shown(sheet_, choices(), ScriptedQuestions());
        previewSheet(shown.printedPages());
    });
}

void ColumnWorksheetWindow::ButtonYazdirClick() {
    runGuarded(this, [&] {
        ColumnSheetSource printed(sheet_, choices(), ScriptedQuestions());
        printSheet(printed.printedPages());
    });
}

QStringList ColumnWorksheetWindow::sheetNameParts() const {
    return {ComboBox1->currentText(),
            sheet_.design().paper == Paper::A5 ? QStringLiteral("A5") : QStringLiteral("A4")};
}

std::unique_ptr<SheetSource> ColumnWorksheetWindow::makeSheetSource() {
    // The dialogs ask once, for the first sheet; the others replay the answers.
    return std::make_unique<ColumnSheetSource>(sheet_, choices(), *questions_);
}

bool ColumnWorksheetWindow::halfPageSheets() const {
    return sheet_.design().paper == Paper::A5;
}

ExerciseList ColumnWorksheetWindow::currentExercises() const {
    return columnExercises(sheet_.problems());
}
