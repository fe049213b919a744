#include "common/windows/WorksheetWindow.h"

#include <QMessageBox>

#include "common/core/Names.h"
#include "common/core/OutputFile.h"
#include "common/render/ClassSetPages.h"
#include "common/windows/ClassSetDialog.h"
#include "common/windows/ErrorBox.h"
#include "common/windows/Look.h"
#include "common/windows/PagePrinting.h"

namespace zarvik {

WorksheetWindow::WorksheetWindow(AppContext& context, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), context_(context) {}

WorksheetWindow::~WorksheetWindow() = default;

void WorksheetWindow::showEvent(QShowEvent* event) {
    // Centred when first shown, once the window knows its screen and frame.
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOnScreen(*this);
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
            withPages([this](const auto& pages) { pageOutput().printPages(this, pages); });
        };
    }
    classSetDialog_->open();
    return *classSetDialog_;
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
    classSetPages_ = std::move(pages);
    classSetSheets_ = std::move(sheets);
    classSetChoice_ = choice;
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
