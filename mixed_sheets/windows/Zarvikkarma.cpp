#include "mixed_sheets/windows/Zarvikkarma.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <algorithm>

#include "common/core/Limits.h"
#include "common/core/Names.h"
#include "common/core/OutputFile.h"
#include "common/windows/WindowControls.h"
#include "mixed_sheets/core/MixedSection.h"
#include "mixed_sheets/core/PresetLibrary.h"

namespace {

const zarvik::PrintedWindowDesign kDesign{
    .objectName = QStringLiteral("FormZarvikKarma"),
    .caption = QStringLiteral("Karma Sayfa"),
    .clientSize = {720, 496},
    .banner = {8, 8, 704, 25},
    .blueBanner = true,
    .teacherLabel = {"Label3", 8, 414, QStringLiteral("Öğretmen")},
    .teacherEdit = {72, 410, 236, 21},
    .dateLabel = {"Label4", 324, 414, QStringLiteral("Tarih")},
    .dateEdit = {364, 410, 120, 21},
    .prepare = {"ButtonHazirla", {8, 440, 100, 25}},
    .look = {"ButtonBak", {116, 440, 80, 25}},
    .print = {"ButtonYazdir", {204, 440, 80, 25}},
    .releasePanel = {8, 472, 704, 17},
    .releaseText = QStringLiteral("Her aileden alıştırmalar bir sayfada")};

const QString kFilter = QStringLiteral("Zarvik şablonu (*.zarvik)");

QString familyName(const QString& command) {
    for (const zarvik::SectionKind& kind : zarvik::sectionKinds())
        if (kind.args.value(0) == command) return kind.family;
    return command;
}

}  // namespace

TFormZarvikKarma::TFormZarvikKarma(zarvik::AppContext& context, QWidget* parent)
    : PrintedWorksheetWindow(context, kDesign, parent) {
    clock = [] { return QDateTime::currentSecsSinceEpoch(); };
    ask = [this](const QString& question) {
        return QMessageBox::question(this, zarvik::names::kApplicationTitle.toString(), question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    buildControls();
}

TFormZarvikKarma::~TFormZarvikKarma() = default;

void TFormZarvikKarma::buildControls() {
    using namespace zarvik;
    makeLabel(this, "Label1", 8, 48, QStringLiteral("Başlık :"));
    EditBaslik = makeEdit(this, "EditBaslik", {64, 44, 420, 21});
    makeLabel(this, "Label2", 500, 48, QStringLiteral("Kâğıt :"));
    ComboBoxKagit =
        makeList(this, "ComboBoxKagit", {548, 44, 70, 21}, {QStringLiteral("A4"), QStringLiteral("A5")});

    ButtonAc = makeButtonWidget(this, "ButtonAc", {8, 72, 80, 25}, QStringLiteral("Aç…"));
    ButtonKaydet = makeButtonWidget(this, "ButtonKaydet", {96, 72, 80, 25}, QStringLiteral("Kaydet…"));
    ButtonSablonlar =
        makeButtonWidget(this, "ButtonSablonlar", {184, 72, 124, 25}, QStringLiteral("Hazır şablonlar"));
    CheckBoxSorular = makeCheckBox(this, "CheckBoxSorular", {324, 76, 388, 17});
    CheckBoxSorular->setText(QStringLiteral("Kaydederken bu soruları da sakla"));
    CheckBoxSorular->setToolTip(
        QStringLiteral("Dosyayı açan herkes, son hazırlanan sayfanın alıştırmalarını alır"));
    CheckBoxSorular->setChecked(true);

    ListBolumler = new QListWidget(this);
    ListBolumler->setObjectName(QStringLiteral("ListBolumler"));
    ListBolumler->setGeometry(8, 104, 300, 264);
    ButtonEkle = makeButtonWidget(this, "ButtonEkle", {8, 374, 56, 25}, QStringLiteral("Ekle"));
    ButtonCogalt = makeButtonWidget(this, "ButtonCogalt", {68, 374, 60, 25}, QStringLiteral("Çoğalt"));
    ButtonSil = makeButtonWidget(this, "ButtonSil", {132, 374, 44, 25}, QStringLiteral("Sil"));
    ButtonYukari = makeButtonWidget(this, "ButtonYukari", {180, 374, 62, 25}, QStringLiteral("Yukarı"));
    ButtonAsagi = makeButtonWidget(this, "ButtonAsagi", {246, 374, 62, 25}, QStringLiteral("Aşağı"));

    GroupBolum = new QGroupBox(QStringLiteral("Bölüm"), this);
    GroupBolum->setObjectName(QStringLiteral("GroupBolum"));
    GroupBolum->setGeometry(324, 100, 388, 300);
    auto* outer = new QVBoxLayout(GroupBolum);
    outer->setContentsMargins(8, 4, 8, 8);
    LabelAile = new QLabel(GroupBolum);
    LabelAile->setObjectName(QStringLiteral("LabelAile"));
    outer->addWidget(LabelAile);
    auto* scroll = new QScrollArea(GroupBolum);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    FieldsHost = new QWidget;
    FieldsLayout = new QFormLayout(FieldsHost);
    FieldsLayout->setContentsMargins(0, 0, 0, 0);
    FieldsLayout->setRowWrapPolicy(QFormLayout::DontWrapRows);
    scroll->setWidget(FieldsHost);
    // The fields on the group's own background, as the rows below them.
    scroll->viewport()->setAutoFillBackground(false);
    FieldsHost->setAutoFillBackground(false);
    outer->addWidget(scroll, 1);
    auto* common = new QFormLayout;
    SpinSayi = new QSpinBox(GroupBolum);
    SpinSayi->setObjectName(QStringLiteral("SpinSayi"));
    SpinSayi->setRange(1, limits::kMostSectionExercises);
    common->addRow(QStringLiteral("Alıştırma sayısı :"), SpinSayi);
    EditBolumBasligi = new QLineEdit(GroupBolum);
    EditBolumBasligi->setObjectName(QStringLiteral("EditBolumBasligi"));
    EditBolumBasligi->setPlaceholderText(QStringLiteral("türün kendi başlığı"));
    common->addRow(QStringLiteral("Başlık :"), EditBolumBasligi);
    outer->addLayout(common);
    CheckBoxElde = new QCheckBox(QStringLiteral("Her işlemde elde / onluk bozma"), GroupBolum);
    CheckBoxElde->setObjectName(QStringLiteral("CheckBoxElde"));
    outer->addWidget(CheckBoxElde);
    CheckBoxTekrar = new QCheckBox(QStringLiteral("Bir alıştırma tekrar edebilir"), GroupBolum);
    CheckBoxTekrar->setObjectName(QStringLiteral("CheckBoxTekrar"));
    outer->addWidget(CheckBoxTekrar);

    addTeacherAndDate();
    addButtonRow();
    addClassSetButton();
    buildAddMenu();
    buildPresetMenu();

    connect(ListBolumler, &QListWidget::currentRowChanged, this, [this](int row) {
        if (filling_) return;
        current_ = row;
        zarvik::runGuarded(this, [&] { showSection(); });
    });
    connect(ButtonCogalt, &QPushButton::clicked, this, [this] { duplicateSection(); });
    connect(ButtonSil, &QPushButton::clicked, this, [this] { removeSection(); });
    connect(ButtonYukari, &QPushButton::clicked, this, [this] { moveSection(-1); });
    connect(ButtonAsagi, &QPushButton::clicked, this, [this] { moveSection(1); });
    connect(ButtonAc, &QPushButton::clicked, this, [this] { ButtonAcClick(); });
    connect(ButtonKaydet, &QPushButton::clicked, this, [this] { ButtonKaydetClick(); });
    connect(ComboBoxKagit, &QComboBox::activated, this, [this] {
        zarvik::runGuarded(this, [&] { showSection(); });
    });
    connect(SpinSayi, &QSpinBox::valueChanged, this, [this] { sectionEdited(); });
    connect(EditBolumBasligi, &QLineEdit::textEdited, this, [this] { sectionEdited(); });
    connect(CheckBoxElde, &QCheckBox::toggled, this, [this] { sectionEdited(); });
    connect(CheckBoxTekrar, &QCheckBox::toggled, this, [this] { sectionEdited(); });

    setTabOrders({EditBaslik, ComboBoxKagit, ButtonAc, ButtonKaydet, ButtonSablonlar,
                  CheckBoxSorular, ListBolumler, ButtonEkle, ButtonCogalt, ButtonSil, ButtonYukari,
                  ButtonAsagi, SpinSayi, EditBolumBasligi, CheckBoxElde, CheckBoxTekrar, Edit1,
                  Edit2, ButtonHazirla, ButtonBak, ButtonYazdir});

    // A first sheet to start from: the shipped preset of the third grade's
    // week, or one section of the first kind.
    const std::vector<zarvik::ShippedPreset> shipped = zarvik::shippedPresets();
    zarvik::SheetPreset start;
    start.title = QStringLiteral("Karma sayfa");
    start.sections.push_back({zarvik::sectionKinds().front().args, 10, {}, false, false});
    for (const zarvik::ShippedPreset& preset : shipped)
        if (preset.name == QLatin1String("3-sinif-12-hafta")) {
            try {
                start = zarvik::readPresetFile(preset.path);
            } catch (const zarvik::Error&) {
            }
        }
    setPreset(start);
}

void TFormZarvikKarma::buildAddMenu() {
    auto* menu = new QMenu(ButtonEkle);
    menu->setObjectName(QStringLiteral("MenuEkle"));
    QMenu* familyMenu = nullptr;
    QMenu* groupMenu = nullptr;
    QString family, group;
    for (const zarvik::SectionKind& kind : zarvik::sectionKinds()) {
        if (kind.family != family) {
            family = kind.family;
            familyMenu = menu->addMenu(family);
            group.clear();
            groupMenu = nullptr;
        }
        QMenu* into = familyMenu;
        if (!kind.group.isEmpty()) {
            if (kind.group != group) {
                group = kind.group;
                groupMenu = familyMenu->addMenu(group);
            }
            into = groupMenu;
        }
        const QStringList args = kind.args;
        into->addAction(kind.label, this, [this, args] { addSection(args); });
    }
    ButtonEkle->setMenu(menu);
}

void TFormZarvikKarma::buildPresetMenu() {
    auto* menu = new QMenu(ButtonSablonlar);
    menu->setObjectName(QStringLiteral("MenuSablonlar"));
    int grade = -1;
    QMenu* gradeMenu = nullptr;
    for (const zarvik::ShippedPreset& shipped : zarvik::shippedPresets()) {
        if (shipped.grade != grade) {
            grade = shipped.grade;
            gradeMenu = menu->addMenu(grade > 0 ? QStringLiteral("%1. sınıf").arg(grade)
                                                : QStringLiteral("Diğer"));
        }
        QString title = shipped.name;
        try {
            title = zarvik::readPresetFile(shipped.path).title;
        } catch (const zarvik::Error&) {
        }
        const QString path = shipped.path;
        gradeMenu->addAction(title, this, [this, path] {
            zarvik::runGuarded(this, [&] { openPreset(path); });
        });
    }
    if (menu->isEmpty()) menu->addAction(QStringLiteral("Hazır şablon bulunamadı"))->setEnabled(false);
    ButtonSablonlar->setMenu(menu);
}

zarvik::Paper TFormZarvikKarma::paper() const {
    return ComboBoxKagit->currentIndex() == 1 ? zarvik::Paper::A5 : zarvik::Paper::A4;
}

zarvik::SheetPreset TFormZarvikKarma::preset() const {
    zarvik::SheetPreset preset;
    preset.title = EditBaslik->text().trimmed();
    preset.paper = paper();
    preset.sections = sections_;
    if (CheckBoxSorular->isChecked()) preset.time = pendingTime_ ? pendingTime_ : sheetTime_;
    return preset;
}

void TFormZarvikKarma::setPreset(const zarvik::SheetPreset& preset) {
    filling_ = true;
    EditBaslik->setText(preset.title);
    ComboBoxKagit->setCurrentIndex(preset.paper == zarvik::Paper::A5 ? 1 : 0);
    sections_ = preset.sections;
    pendingTime_ = preset.time;
    filling_ = false;
    current_ = sections_.empty() ? -1 : 0;
    refreshList();
    showSection();
}

void TFormZarvikKarma::openPreset(const QString& path) {
    setPreset(zarvik::readPresetFile(path));
}

void TFormZarvikKarma::savePreset(const QString& path) {
    zarvik::OutputFile file(path);
    file.write(zarvik::presetJson(preset()));
    file.commit();
}

QString TFormZarvikKarma::sectionText(int index) const {
    const zarvik::PresetSection& s = sections_[static_cast<size_t>(index)];
    const QString name = s.heading.isEmpty() ? zarvik::kindLabel(s.args) : s.heading;
    return QStringLiteral("%1. %2 (%3)").arg(index + 1).arg(name).arg(s.count);
}

void TFormZarvikKarma::refreshList() {
    filling_ = true;
    ListBolumler->clear();
    for (int i = 0; i < static_cast<int>(sections_.size()); ++i)
        ListBolumler->addItem(sectionText(i));
    ListBolumler->setCurrentRow(current_);
    filling_ = false;
    const bool any = current_ >= 0;
    ButtonCogalt->setEnabled(any && static_cast<int>(sections_.size()) < zarvik::limits::kMostSections);
    ButtonEkle->setEnabled(static_cast<int>(sections_.size()) < zarvik::limits::kMostSections);
    ButtonSil->setEnabled(any);
    ButtonYukari->setEnabled(current_ > 0);
    ButtonAsagi->setEnabled(any && current_ + 1 < static_cast<int>(sections_.size()));
    ButtonHazirla->setEnabled(!sections_.empty());
}

void TFormZarvikKarma::showSection() {
    const bool any = current_ >= 0 && current_ < static_cast<int>(sections_.size());
    GroupBolum->setEnabled(any);
    filling_ = true;
    if (!any) {
        fields_.clear();
        rebuildFields();
        LabelAile->clear();
        filling_ = false;
        return;
    }
    const zarvik::PresetSection& s = sections_[static_cast<size_t>(current_)];
    GroupBolum->setTitle(QStringLiteral("%1. bölüm").arg(current_ + 1));
    LabelAile->setText(familyName(s.args.value(0)));
    fields_ = zarvik::sectionFields(s.args, paper());
    rebuildFields();
    SpinSayi->setValue(s.count);
    EditBolumBasligi->setText(s.heading);
    const bool regroups = s.regroup || zarvik::canRegroup(s.args, paper());
    CheckBoxElde->setEnabled(regroups);
    CheckBoxElde->setChecked(s.regroup);
    CheckBoxTekrar->setChecked(s.repeat);
    filling_ = false;
}

void TFormZarvikKarma::rebuildFields() {
    while (FieldsLayout->rowCount() > 0)
        FieldsLayout->removeRow(0);
    fieldBoxes_.clear();
    for (size_t i = 0; i < fields_.size(); ++i) {
        const zarvik::SectionField& field = fields_[i];
        auto* box = new QComboBox(FieldsHost);
        box->setObjectName(QStringLiteral("ComboBoxAlan%1").arg(i + 1));
        box->setEditable(field.typed);
        box->addItems(field.items);
        box->setCurrentText(field.value);
        box->setMinimumWidth(120);
        auto* caption = new QLabel(field.caption, FieldsHost);
        caption->setWordWrap(true);
        caption->setBuddy(box);
        FieldsLayout->addRow(caption, box);
        fieldBoxes_.push_back(box);
        const int index = static_cast<int>(i);
        connect(box, &QComboBox::textActivated, this,
                [this, index](const QString& text) { changeField(index, text); });
        if (field.typed)
            connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, index, box] {
                if (box->currentText() != fields_.at(static_cast<size_t>(index)).value)
                    changeField(index, box->currentText());
            });
    }
}

void TFormZarvikKarma::changeField(int index, const QString& value) {
    if (filling_ || current_ < 0 || index < 0 || index >= static_cast<int>(fields_.size())) return;
    zarvik::runGuarded(this, [&] {
        zarvik::PresetSection& s = sections_[static_cast<size_t>(current_)];
        std::vector<zarvik::SectionField> edited = fields_;
        edited[static_cast<size_t>(index)].value = value;
        s.args = zarvik::sectionArgs(s.args, edited, paper());
        // Another kind brings other fields; the same ones only new values.
        const std::vector<zarvik::SectionField> now = zarvik::sectionFields(s.args, paper());
        bool sameForm = now.size() == fields_.size();
        for (size_t i = 0; sameForm && i < now.size(); ++i)
            sameForm = now[i].caption == fields_[i].caption && now[i].items == fields_[i].items;
        if (!sameForm) {
            // Rebuilt after the signal that brought this change has returned.
            QMetaObject::invokeMethod(this, [this] { showSection(); }, Qt::QueuedConnection);
        } else {
            fields_ = now;
        }
        if (!CheckBoxElde->isChecked()) {
            const bool regroups = zarvik::canRegroup(s.args, paper());
            CheckBoxElde->setEnabled(regroups);
        }
        ListBolumler->item(current_)->setText(sectionText(current_));
    });
}

void TFormZarvikKarma::sectionEdited() {
    if (filling_ || current_ < 0) return;
    zarvik::PresetSection& s = sections_[static_cast<size_t>(current_)];
    s.count = SpinSayi->value();
    s.heading = EditBolumBasligi->text().trimmed();
    s.regroup = CheckBoxElde->isChecked();
    s.repeat = CheckBoxTekrar->isChecked();
    ListBolumler->item(current_)->setText(sectionText(current_));
}

void TFormZarvikKarma::addSection(const QStringList& args) {
    if (static_cast<int>(sections_.size()) >= zarvik::limits::kMostSections) return;
    sections_.insert(sections_.begin() + (current_ + 1), {args, 10, {}, false, false});
    ++current_;
    refreshList();
    zarvik::runGuarded(this, [&] { showSection(); });
}

void TFormZarvikKarma::selectSection(int index) {
    ListBolumler->setCurrentRow(index);
}

void TFormZarvikKarma::duplicateSection() {
    if (current_ < 0 || static_cast<int>(sections_.size()) >= zarvik::limits::kMostSections) return;
    const zarvik::PresetSection copy = sections_[static_cast<size_t>(current_)];
    sections_.insert(sections_.begin() + (current_ + 1), copy);
    ++current_;
    refreshList();
    zarvik::runGuarded(this, [&] { showSection(); });
}

void TFormZarvikKarma::removeSection() {
    if (current_ < 0) return;
    sections_.erase(sections_.begin() + current_);
    current_ = std::min(current_, static_cast<int>(sections_.size()) - 1);
    refreshList();
    zarvik::runGuarded(this, [&] { showSection(); });
}

void TFormZarvikKarma::moveSection(int by) {
    const int to = current_ + by;
    if (current_ < 0 || to < 0 || to >= static_cast<int>(sections_.size())) return;
    std::swap(sections_[static_cast<size_t>(current_)], sections_[static_cast<size_t>(to)]);
    current_ = to;
    refreshList();
    zarvik::runGuarded(this, [&] { showSection(); });
}

int64_t TFormZarvikKarma::nextTime() {
    if (pendingTime_) {
        const int64_t time = *pendingTime_;
        pendingTime_.reset();
        // The presses after it draw other sheets, even when it is now.
        lastTime_ = std::max(lastTime_, time);
        return time;
    }
    // Two preparations in one second still draw two different sheets.
    lastTime_ = std::max(clock(), lastTime_ + 1);
    return lastTime_;
}

std::unique_ptr<zarvik::MixedSheetSource> TFormZarvikKarma::acceptedSource(int sheets) {
    zarvik::SheetPreset wanted = preset();
    const zarvik::SheetFooter footer{teacherName(), dateText()};
    auto source = std::make_unique<zarvik::MixedSheetSource>(wanted, footer, messages_);
    bool accepted = false;
    for (const zarvik::VarietyShortage& shortage : source->shortages(sheets)) {
        if (shortage.accepted) continue;
        if (shortage.inSheet) {
            if (!ask(shortage.text() + QStringLiteral(" Bu bölümde tekrara izin verilsin mi?")))
                return nullptr;
            sections_[static_cast<size_t>(shortage.section)].repeat = true;
            accepted = true;
        } else if (!ask(shortage.text() + QStringLiteral(" Yine de hazırlansın mı?"))) {
            return nullptr;
        }
    }
    if (accepted) {
        showSection();
        wanted.sections = sections_;
        source = std::make_unique<zarvik::MixedSheetSource>(wanted, footer, messages_);
    }
    return source;
}

void TFormZarvikKarma::ButtonHazirlaClick() {
    zarvik::runGuarded(this, [&] {
        std::unique_ptr<zarvik::MixedSheetSource> source = acceptedSource(1);
        if (!source) return;
        const std::optional<int64_t> waiting = pendingTime_;
        const int64_t time = nextTime();
        source->startAt(time);
        try {
            source->prepareNext(context().random);
        } catch (...) {
            pendingTime_ = waiting;
            throw;
        }
        sheet_ = std::move(source);
        sheetTime_ = time;
        setPageButtonsEnabled(true);
        showMessages();
    });
}

void TFormZarvikKarma::ButtonBakClick() {
    zarvik::runGuarded(this, [&] {
        if (!sheet_) return;
        std::vector<zarvik::Page> pages;
        sheet_->sheetPages([&pages](zarvik::Page&& page) { pages.push_back(std::move(page)); });
        pageOutput().previewPages(this, pages);
    });
}

void TFormZarvikKarma::ButtonYazdirClick() {
    zarvik::runGuarded(this, [&] {
        if (!sheet_) return;
        std::vector<zarvik::Page> pages;
        sheet_->sheetPages([&pages](zarvik::Page&& page) { pages.push_back(std::move(page)); });
        pageOutput().printPages(this, pages);
    });
}

void TFormZarvikKarma::ButtonAcClick() {
    zarvik::runGuarded(this, [&] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("Şablon aç"), {}, kFilter);
        if (!path.isEmpty()) openPreset(path);
    });
}

void TFormZarvikKarma::ButtonKaydetClick() {
    zarvik::runGuarded(this, [&] {
        QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Şablonu kaydet"),
                                                    QStringLiteral("Karma-Sayfa.zarvik"), kFilter);
        if (path.isEmpty()) return;
        if (!path.endsWith(QStringLiteral(".zarvik"))) path += QStringLiteral(".zarvik");
        savePreset(path);
    });
}

std::unique_ptr<zarvik::SheetSource> TFormZarvikKarma::makeSheetSource() {
    return std::make_unique<zarvik::MixedSheetSource>(
        preset(), zarvik::SheetFooter{teacherName(), dateText()}, messages_);
}

void TFormZarvikKarma::showMessages() {
    // What the families said while drawing (a corrected digit count), once.
    if (messages_.told.isEmpty()) return;
    const QString text = messages_.told.join(u'\n');
    messages_.told.clear();
    QMessageBox::information(this, zarvik::names::kApplicationTitle.toString(), text);
}

bool TFormZarvikKarma::prepareClassSet(const zarvik::ClassSetChoice& choice) {
    bool made = false;
    zarvik::runGuarded(this, [&] {
        std::unique_ptr<zarvik::MixedSheetSource> source = acceptedSource(choice.sheets);
        if (!source) return;
        const std::optional<int64_t> waiting = pendingTime_;
        const int64_t time = nextTime();
        source->startAt(time);
        try {
            runClassSet(*source, choice, nullptr, true);
        } catch (...) {
            pendingTime_ = waiting;
            throw;
        }
        // The window holds the set's last sheet, as after so many presses.
        sheet_ = std::move(source);
        sheetTime_ = time;
        classSetMade();
        showMessages();
        made = true;
    });
    return made;
}

bool TFormZarvikKarma::halfPageSheets() const {
    return paper() == zarvik::Paper::A5;
}

zarvik::ExerciseList TFormZarvikKarma::currentExercises() const {
    return sheet_ ? sheet_->sheetExercises() : zarvik::ExerciseList{};
}

zarvik::HtmlSheet TFormZarvikKarma::shownSheet() {
    return sheet_ ? zarvik::htmlSheetOf(*sheet_, {}) : zarvik::HtmlSheet{};
}
