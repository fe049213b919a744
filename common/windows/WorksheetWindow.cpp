#include "common/windows/WorksheetWindow.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>

#include "common/core/FileNames.h"
#include "common/core/Names.h"
#include "common/core/OutputFile.h"
#include "common/render/ClassSetPages.h"
#include "common/windows/BoardWindow.h"
#include "common/windows/ClassSetDialog.h"
#include "common/windows/ErrorBox.h"
#include "common/windows/FieldNames.h"
#include "common/windows/Look.h"
#include "common/windows/PagePrinting.h"
#include "common/windows/WindowControls.h"

namespace zarvik {

WorksheetWindow::WorksheetWindow(AppContext& context, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), context_(context) {}

WorksheetWindow::~WorksheetWindow() = default;

void WorksheetWindow::showEvent(QShowEvent* event) {
    // Centred when first shown, once the window knows its screen and frame.
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOnScreen(*this);
        nameFieldsByTheirCaptions(*this);
    }
    QWidget::showEvent(event);
}

PageOutput& WorksheetWindow::pageOutput() {
    if (!context_.pageOutput && !desktopOutput_)
        desktopOutput_ = std::make_unique<DesktopPageOutput>();
    PageOutput& output = context_.pageOutput ? *context_.pageOutput : *desktopOutput_;
    // The output may be shared by the windows: the one that shows its sheet says how.
    output.saveSheetHtml = [this](const QString& path) {
        OutputFile file(path);
        file.write(sheetHtml(shownSheet()));
        file.commit();
    };
    return output;
}

HtmlSheet WorksheetWindow::shownSheet() {
    std::unique_ptr<SheetSource> source = makeSheetSource();
    return htmlSheetOf(*source, QString());
}

void WorksheetWindow::saveClassSetHtml(const QString& folder) {
    HtmlSheetFolder pages(folder, classSetChoice_);
    int k = 0;
    for (const KeptSheet& kept : classSetSheets_)
        pages.add(++k, kept.sheet, kept.keyLines);
    pages.finish();
}

ClassSetDialog& WorksheetWindow::openClassSetDialog() {
    if (!classSetDialog_) {
        classSetDialog_ = new ClassSetDialog(this, halfPageSheets());
        classSetDialog_->prepare = [this](const ClassSetChoice& choice) {
            return prepareClassSet(choice);
        };
        const auto withPages = [this](auto&& use) {
            runGuarded(this, [&] {
                if (classSetPages_.empty() && !missingPagesReason().isEmpty())
                    QMessageBox::information(this, names::kApplicationTitle.toString(),
                                             missingPagesReason());
                else
                    use(classSetPages_);
            });
        };
        classSetDialog_->look = [this, withPages] {
            withPages([this](const auto& pages) {
                PageOutput& output = pageOutput();
                // A set is many sheets: its web pages are the dialog's to save.
                output.saveSheetHtml = nullptr;
                output.previewPages(this, pages);
            });
        };
        classSetDialog_->saveHtml = [this](const QString& folder) {
            runGuarded(this, [&] {
                if (classSetSheets_.empty() && !missingPagesReason().isEmpty())
                    QMessageBox::information(this, names::kApplicationTitle.toString(),
                                             missingPagesReason());
                else
                    saveClassSetHtml(folder);
            });
        };
        classSetDialog_->print = [this, withPages] {
            withPages([this](const auto& pages) { tellPrinted(pageOutput().printJob(this, pages, 1)); });
        };
    }
    classSetDialog_->setClassListText(context_.classList);
    classSetDialog_->classListChanged = [this](const QString& text) { context_.classList = text; };
    classSetDialog_->open();
    nameFieldsByTheirCaptions(*classSetDialog_);
    return *classSetDialog_;
}

namespace {

// Keeps a button enabled exactly when another is.
class EnabledFollower : public QObject {
  public:
    EnabledFollower(QWidget* follower, QWidget* followed)
        : QObject(follower), follower_(follower), followed_(followed) {
        follower->setEnabled(followed->isEnabled());
        followed->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == followed_ && event->type() == QEvent::EnabledChange)
            follower_->setEnabled(followed_->isEnabled());
        return false;
    }

  private:
    QWidget* follower_;
    QWidget* followed_;
};

}  // namespace

QPushButton* WorksheetWindow::addBoardButton(QWidget* parent, const QRect& geometry,
                                             QWidget* follow) {
    QPushButton* button =
        makeButtonWidget(parent, "ButtonTahta", geometry, QStringLiteral("Tahtada Göster"));
    button->setToolTip(QStringLiteral("Hazırlanan alıştırmalar sınıfın tahtasında, tam ekran"));
    connect(button, &QPushButton::clicked, this, [this] { showOnBoard(); });
    if (follow) new EnabledFollower(button, follow);
    return button;
}

BoardWindow* WorksheetWindow::showOnBoard() {
    BoardWindow* shown = nullptr;
    runGuarded(this, [&] {
        ExerciseList exercises = currentExercises();
        if (exercises.empty()) {
            QMessageBox::information(
                this, names::kApplicationTitle.toString(),
                QStringLiteral("Tahtada gösterilecek alıştırma yok: önce bir sayfa hazırlayın."));
            return;
        }
        if (!board_) board_ = new BoardWindow(this);
        board_->setExercises(std::move(exercises), windowTitle());
        board_->showOnScreen(screen());
        shown = board_;
    });
    return shown;
}

void WorksheetWindow::runClassSet(SheetSource& source, const ClassSetChoice& choice,
                                  SheetWriter* writer, bool keepPages,
                                  const std::function<void(int k)>& sheetDone) {
    std::vector<Page> pages;
    std::vector<KeptSheet> sheets;
    SheetWriters writers;
    struct Forward : SheetWriter {
        explicit Forward(SheetWriter& to) : to(to) {}
        SheetNeeds needs() const override { return to.needs(); }
        void beforeSheet(int k, SheetSource& s) override { to.beforeSheet(k, s); }
        void addSheet(int k, SheetSource& s) override { to.addSheet(k, s); }
        void finish() override { to.finish(); }
        SheetWriter& to;
    };
    if (writer) writers.add(std::make_unique<Forward>(*writer));
    // The sheets as values too, for their web pages.
    struct Keep : SheetWriter {
        Keep(const ClassSetChoice& choice, std::vector<KeptSheet>& sheets)
            : choice(choice), sheets(sheets) {}
        SheetNeeds needs() const override { return {false, true, choice.answerKey, false}; }
        void addSheet(int k, SheetSource& s) override {
            sheets.push_back({htmlSheetOf(s, choice.pupil(k)),
                              choice.answerKey ? s.sheetAnswers() : QStringList()});
        }
        void finish() override {}
        const ClassSetChoice& choice;
        std::vector<KeptSheet>& sheets;
    };
    if (keepPages) {
        writers.add(std::make_unique<PagesWriter>(
            choice, [&pages](const Page& page) { pages.push_back(page); }));
        writers.add(std::make_unique<Keep>(choice, sheets));
    }
    runSheetSet(source, context_.random, choice, writers, sheetDone);
    nameSheetPages(pages, true);
    classSetPages_ = std::move(pages);
    classSetSheets_ = std::move(sheets);
    classSetChoice_ = choice;
}

void WorksheetWindow::nameSheetPages(std::vector<Page>& pages, bool classSet) const {
    QStringList parts = sheetNameParts();
    if (classSet) parts << QStringLiteral("Sınıf Seti");
    const QString name = pdfFileName(parts);
    for (Page& page : pages)
        page.suggestedFileName = name;
}

void WorksheetWindow::previewSheet(std::vector<Page> pages) {
    nameSheetPages(pages);
    pageOutput().previewPages(this, pages);
}

void WorksheetWindow::printSheet(std::vector<Page> pages, int copies) {
    nameSheetPages(pages);
    tellPrinted(pageOutput().printJob(this, pages, copies));
}

void WorksheetWindow::tellPrinted(const PrintedJob& job) {
    const QString printer = job.printer.isEmpty()
                                ? QStringLiteral("Yazıcıya")
                                : QStringLiteral("\"%1\" yazıcısına").arg(job.printer);
    const QString what = job.copies > 1 ? QStringLiteral("%1 kopya, toplam %2 sayfa")
                                              .arg(job.copies)
                                              .arg(job.pages * job.copies)
                                        : QStringLiteral("%1 sayfa").arg(job.pages);
    for (QMessageBox* old : findChildren<QMessageBox*>(QStringLiteral("PrintedMessage")))
        old->close();
    auto* box = new QMessageBox(QMessageBox::Information, names::kApplicationTitle.toString(),
                                printer + u' ' + what + QStringLiteral(" gönderildi."),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("PrintedMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool WorksheetWindow::prepareClassSet(const ClassSetChoice& choice) {
    bool made = false;
    runGuarded(this, [&] {
        std::unique_ptr<SheetSource> source = makeSheetSource();
        runClassSet(*source, choice, nullptr, true);
        classSetMade();
        made = true;
    });
    return made;
}

}  // namespace zarvik
