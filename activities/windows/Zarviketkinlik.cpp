#include "activities/windows/Zarviketkinlik.h"

#include "activities/core/ActivitySheetSource.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "common/render/TextFit.h"
#include "common/windows/WindowControls.h"

namespace {

constexpr int kOptionTop = 72;
constexpr int kRowPitch = 24;

const zarvik::PrintedWindowDesign kDesign{
    .objectName = QStringLiteral("FormZarvikEtkinlik"),
    .caption = QStringLiteral("Etkinlikler"),
    .clientSize = {260, 258},
    .banner = {8, 8, 244, 25},
    .blueBanner = true,
    .teacherLabel = {"Label3", 8, 148, QStringLiteral("Öğretmen")},
    .teacherEdit = {96, 144, 156, 21},
    .dateLabel = {"Label4", 8, 172, QStringLiteral("Tarih")},
    .dateEdit = {96, 168, 156, 21},
    .prepare = {"ButtonHazirla", {8, 200, 80, 25}},
    .look = {"ButtonBak", {95, 200, 70, 25}},
    .print = {"ButtonYazdir", {172, 200, 80, 25}},
    .releasePanel = {8, 232, 244, 17},
    .releaseText = QStringLiteral("Etkinlik sayfaları")};

}  // namespace

TFormZarvikEtkinlik::TFormZarvikEtkinlik(zarvik::AppContext& context, QWidget* parent)
    : PrintedWorksheetWindow(context, kDesign, parent) {
    buildControls();
}

TFormZarvikEtkinlik::~TFormZarvikEtkinlik() = default;

void TFormZarvikEtkinlik::buildControls() {
    QStringList kinds;
    for (const zarvik::ActivityKind& kind : zarvik::activityKinds())
        kinds << kind.name;
    zarvik::makeLabel(this, "Label1", 8, 52, QStringLiteral("Etkinlik :"));
    ComboBoxEtkinlik = zarvik::makeList(this, "ComboBoxEtkinlik", {96, 48, 156, 21}, kinds);
    ComboBoxEtkinlik->setCurrentIndex(0);

    int k = 0;
    for (const zarvik::ActivityKind& kind : zarvik::activityKinds()) {
        std::vector<std::pair<QLabel*, QComboBox*>> lists;
        int row = 0;
        for (const zarvik::ActivityOption& option : kind.options) {
            const int top = kOptionTop + kRowPitch * row;
            const QByteArray name =
                QStringLiteral("ComboBoxSecenek%1_%2").arg(k + 1).arg(row + 1).toLatin1();
            const QByteArray labelName =
                QStringLiteral("LabelSecenek%1_%2").arg(k + 1).arg(row + 1).toLatin1();
            QLabel* label = zarvik::makeLabel(this, labelName.constData(), 8, top + 4,
                                              option.caption + QStringLiteral(" :"));
            QComboBox* list =
                zarvik::makeList(this, name.constData(), {96, top, 156, 21}, option.items);
            list->setCurrentText(option.start);
            lists.emplace_back(label, list);
            ++row;
        }
        options_.push_back(std::move(lists));
        ++k;
    }
    addTeacherAndDate();
    addButtonRow();
    addClassSetButton();
    ButtonHazirla->setEnabled(true);
    showOptionsOfKind();

    connect(ComboBoxEtkinlik, &QComboBox::activated, this,
            &TFormZarvikEtkinlik::ComboBoxEtkinlikChange);
    setTabOrders({ComboBoxEtkinlik, Edit1, Edit2, ButtonHazirla, ButtonBak, ButtonYazdir});
}

void TFormZarvikEtkinlik::showOptionsOfKind() {
    const int current = ComboBoxEtkinlik->currentIndex();
    for (size_t k = 0; k < options_.size(); ++k)
        for (const auto& [label, list] : options_[k]) {
            label->setVisible(static_cast<int>(k) == current);
            list->setVisible(static_cast<int>(k) == current);
        }
}

zarvik::ActivityChoices TFormZarvikEtkinlik::choices() const {
    zarvik::ActivityChoices chosen;
    chosen.kind = ComboBoxEtkinlik->currentText();
    const int current = ComboBoxEtkinlik->currentIndex();
    if (current >= 0)
        for (const auto& option : options_[static_cast<size_t>(current)])
            chosen.values << option.second->currentText();
    chosen.teacher = teacherName();
    chosen.date = dateText();
    return chosen;
}

void TFormZarvikEtkinlik::ComboBoxEtkinlikChange() {
    zarvik::runGuarded(this, [&] {
        showOptionsOfKind();
        // The page shown is of the kind before; a new pick asks for a new page.
        setPageButtonsEnabled(false);
        ButtonHazirla->setEnabled(true);
    });
}

void TFormZarvikEtkinlik::ButtonHazirlaClick() {
    runPreparation([&] { worksheet_.prepare(choices(), context().random); });
}

void TFormZarvikEtkinlik::ButtonBakClick() {
    zarvik::runGuarded(this, [&] { previewSheet({zarvik::fitPageTexts(worksheet_.page())}); });
}

void TFormZarvikEtkinlik::ButtonYazdirClick() {
    zarvik::runGuarded(this, [&] { printSheet({zarvik::fitPageTexts(worksheet_.page())}); });
}

QStringList TFormZarvikEtkinlik::sheetNameParts() const {
    return {ComboBoxEtkinlik->currentText()};
}

std::unique_ptr<zarvik::SheetSource> TFormZarvikEtkinlik::makeSheetSource() {
    return std::make_unique<zarvik::ActivitySheetSource>(worksheet_, choices());
}

zarvik::ExerciseList TFormZarvikEtkinlik::currentExercises() const {
    const zarvik::ActivityKind* kind = worksheet_.kind();
    return zarvik::activityExercises(worksheet_.sheet(), kind && kind->handsOnPage);
}
