#include "word_problems/windows/Zarvikproblem.h"

#include <QComboBox>
#include <QPushButton>

#include "common/core/FileNames.h"
#include "common/render/TextFit.h"
#include "common/windows/WindowControls.h"
#include "word_problems/core/ProblemSheetSource.h"

namespace {

const zarvik::PrintedWindowDesign kDesign{
    .objectName = QStringLiteral("FormZarvikProblem"),
    .caption = QStringLiteral("Problemler"),
    .clientSize = {300, 258},
    .banner = {8, 8, 284, 25},
    .blueBanner = true,
    .teacherLabel = {"Label6", 8, 148, QStringLiteral("Öğretmen")},
    .teacherEdit = {104, 144, 188, 21},
    .dateLabel = {"Label7", 8, 172, QStringLiteral("Tarih")},
    .dateEdit = {104, 168, 188, 21},
    .prepare = {"ButtonHazirla", {8, 200, 90, 25}},
    .look = {"ButtonBak", {105, 200, 80, 25}},
    .print = {"ButtonYazdir", {192, 200, 100, 25}},
    .releasePanel = {8, 232, 284, 17},
    .releaseText = QStringLiteral("Problemler")};

QString gradeItem(int grade) {
    return QStringLiteral("%1. sınıf").arg(grade);
}

}  // namespace

TFormZarvikProblem::TFormZarvikProblem(zarvik::AppContext& context, QWidget* parent)
    : PrintedWorksheetWindow(context, kDesign, parent) {
    buildControls();
}

TFormZarvikProblem::~TFormZarvikProblem() = default;

void TFormZarvikProblem::buildControls() {
    QStringList grades;
    for (int grade = zarvik::kFirstGrade; grade <= zarvik::kLastGrade; ++grade)
        grades << gradeItem(grade);
    zarvik::makeLabel(this, "Label1", 8, 52, QStringLiteral("Sınıf :"));
    ComboBoxSinif = zarvik::makeList(this, "ComboBoxSinif", {104, 48, 188, 21}, grades);
    ComboBoxSinif->setCurrentIndex(1);
    zarvik::makeLabel(this, "Label2", 8, 76, QStringLiteral("Konu :"));
    ComboBoxKonu = zarvik::makeList(this, "ComboBoxKonu", {104, 72, 188, 21});
    zarvik::makeLabel(this, "Label3", 8, 100, QStringLiteral("İşlem :"));
    ComboBoxIslem = zarvik::makeList(this, "ComboBoxIslem", {104, 96, 188, 21});
    zarvik::makeLabel(this, "Label4", 8, 124, QStringLiteral("Problem sayısı :"));
    QStringList counts;
    for (int n = 1; n <= 20; ++n)
        counts << QString::number(n);
    ComboBoxSayi = zarvik::makeList(this, "ComboBoxSayi", {104, 120, 60, 21}, counts);
    ComboBoxSayi->setCurrentText(QStringLiteral("4"));
    zarvik::makeLabel(this, "Label5", 176, 124, QStringLiteral("Sayfa :"));
    ComboBoxSayfa = zarvik::makeList(this, "ComboBoxSayfa", {222, 120, 70, 21},
                                     {zarvik::kA4.toString(), zarvik::kA5.toString()});
    fillThemes();
    addTeacherAndDate();
    addButtonRow();
    addClassSetButton();
    ButtonHazirla->setEnabled(true);

    connect(ComboBoxSinif, &QComboBox::activated, this, &TFormZarvikProblem::ComboBoxSinifChange);
    connect(ComboBoxKonu, &QComboBox::activated, this, &TFormZarvikProblem::ComboBoxKonuChange);
    setTabOrders({ComboBoxSinif, ComboBoxKonu, ComboBoxIslem, ComboBoxSayi, ComboBoxSayfa, Edit1,
                  Edit2, ButtonHazirla, ButtonBak, ButtonYazdir});
}

// The themes of the chosen grade; the theme shown stays when the grade has it.
void TFormZarvikProblem::fillThemes() {
    const QString shown = ComboBoxKonu->currentText();
    const int grade = ComboBoxSinif->currentIndex() + zarvik::kFirstGrade;
    QStringList themes;
    for (size_t t = 0; t < zarvik::problemThemes().size(); ++t)
        if (!zarvik::sheetTemplates(static_cast<int>(t), grade, zarvik::kAllOperations).empty())
            themes << zarvik::problemThemes()[t].name;
    ComboBoxKonu->clear();
    ComboBoxKonu->addItems(themes);
    ComboBoxKonu->setCurrentIndex(std::max<int>(0, static_cast<int>(themes.indexOf(shown))));
    fillOperations();
}

void TFormZarvikProblem::fillOperations() {
    const QString shown = ComboBoxIslem->currentText();
    const int grade = ComboBoxSinif->currentIndex() + zarvik::kFirstGrade;
    const int theme = zarvik::themeIndex(ComboBoxKonu->currentText());
    const QStringList operations = QStringList{zarvik::kAllOperations.toString()} +
                                   zarvik::themeOperations(std::max(0, theme), grade);
    ComboBoxIslem->clear();
    ComboBoxIslem->addItems(operations);
    ComboBoxIslem->setCurrentIndex(std::max<int>(0, static_cast<int>(operations.indexOf(shown))));
}

zarvik::ProblemChoices TFormZarvikProblem::choices() const {
    zarvik::ProblemChoices chosen;
    chosen.theme = ComboBoxKonu->currentText();
    chosen.grade = QString::number(ComboBoxSinif->currentIndex() + zarvik::kFirstGrade);
    chosen.operation = ComboBoxIslem->currentText();
    chosen.count = ComboBoxSayi->currentText();
    chosen.paper = ComboBoxSayfa->currentText();
    chosen.teacher = teacherName();
    chosen.date = dateText();
    return chosen;
}

void TFormZarvikProblem::ComboBoxSinifChange() {
    zarvik::runGuarded(this, [&] {
        fillThemes();
        // The page shown is of the grade before; a new pick asks for a new page.
        setPageButtonsEnabled(false);
        ButtonHazirla->setEnabled(true);
    });
}

void TFormZarvikProblem::ComboBoxKonuChange() {
    zarvik::runGuarded(this, [&] {
        fillOperations();
        setPageButtonsEnabled(false);
        ButtonHazirla->setEnabled(true);
    });
}

void TFormZarvikProblem::ButtonHazirlaClick() {
    runPreparation([&] {
        worksheet_.prepare(choices(), zarvik::castOf({}, {}), context().random);
    });
}

namespace {

std::vector<zarvik::Page> fitted(const zarvik::ProblemWorksheet& worksheet) {
    std::vector<zarvik::Page> pages;
    for (const zarvik::Page& page : worksheet.pages()) {
        pages.push_back(zarvik::fitPageTexts(page));
        pages.back().suggestedFileName = zarvik::pdfFileName({worksheet.title()});
    }
    return pages;
}

}  // namespace

void TFormZarvikProblem::ButtonBakClick() {
    zarvik::runGuarded(this, [&] { pageOutput().previewPages(this, fitted(worksheet_)); });
}

void TFormZarvikProblem::ButtonYazdirClick() {
    zarvik::runGuarded(this, [&] { pageOutput().printPages(this, fitted(worksheet_)); });
}

std::unique_ptr<zarvik::SheetSource> TFormZarvikProblem::makeSheetSource() {
    return std::make_unique<zarvik::ProblemSheetSource>(worksheet_, choices());
}

bool TFormZarvikProblem::halfPageSheets() const {
    return ComboBoxSayfa->currentText() == zarvik::kA5;
}

zarvik::ExerciseList TFormZarvikProblem::currentExercises() const {
    return worksheet_.prepared() ? worksheet_.exercises() : zarvik::ExerciseList{};
}
