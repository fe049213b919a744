#include "column_worksheets/windows/ColumnWorksheetWindow.h"

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
        zarvik::Page page = sheet_.transferForOperation(ComboBox1->currentText());
        page.suggestedFileName = zarvik::pdfFileName(
            {ComboBox1->currentText(),
             page.paper() == zarvik::Paper::A5 ? QStringLiteral("A5") : QStringLiteral("A4")});
        pageOutput().preview(this, page);
    });
}

void ColumnWorksheetWindow::ButtonYazdirClick() {
    runGuarded(this, [&] {
        pageOutput().print(this, sheet_.transferForOperation(ComboBox1->currentText()));
    });
}

std::unique_ptr<SheetSource> ColumnWorksheetWindow::makeSheetSource() {
    // The dialogs ask once, for the first sheet; the others replay the answers.
    return std::make_unique<ColumnSheetSource>(
        sheet_,
        ColumnChoices{ComboBox1->currentText(), ComboBox2->currentText(), teacherName(),
                      dateText()},
        *questions_);
}

bool ColumnWorksheetWindow::halfPageSheets() const {
    return sheet_.design().paper == Paper::A5;
}

ExerciseList ColumnWorksheetWindow::currentExercises() const {
    return columnExercises(sheet_.problems());
}
