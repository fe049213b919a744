#include "common/windows/PagePreview.h"

#include <sys/mman.h>
#include <QAbstractScrollArea>
#include <QAction>
#include <QActionGroup>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <list>
#include <unordered_map>

#include "common/render/PageRenderer.h"

namespace zarvik {

namespace {

constexpr double kTenthsPerInch = 254.0;
constexpr int kGap = 12;  // around the pages, in screen pixels
constexpr double kZoomStep = 1.25;
constexpr double kSmallestZoom = 0.1;  // of the page's true size
constexpr double kLargestZoom = 4.0;
// Painted pages kept for scrolling back; at least the pages in view are kept.
constexpr qsizetype kCacheBytes = qsizetype(256) << 20;
// One paint of the view paints pages for at most this long, then shows the
// rest as blank sheets and paints them in the next turns of the event loop.
constexpr qint64 kPaintBudgetMs = 100;

// An image in memory asked for in huge pages where the system has them: a
// page at 4K is some 70 MB, and faulting it in 4 KB at a time takes longer
// than painting it.
QImage largeImage(QSize size) {
    constexpr size_t kHuge = size_t(2) << 20;
    const size_t bytes = size_t(size.width()) * size_t(size.height()) * 4;
    if (bytes < kHuge) return QImage(size, QImage::Format_RGB32);
    void* memory = nullptr;
    if (posix_memalign(&memory, kHuge, (bytes + kHuge - 1) / kHuge * kHuge) != 0)
        return QImage(size, QImage::Format_RGB32);
    madvise(memory, bytes, MADV_HUGEPAGE);
    return QImage(
        static_cast<uchar*>(memory), size.width(), size.height(), size.width() * 4,
        QImage::Format_RGB32, [](void* data) { std::free(data); }, memory);
}

}  // namespace

// The pages in a column, painted on demand. Scrolls in its own pixels, not
// a widget's, so that a thousand tall pages do not outgrow a widget's size.
class PagePreviewView : public QAbstractScrollArea {
  public:
    PagePreviewView(const std::vector<Page>& pages, QWidget* parent)
        : QAbstractScrollArea(parent), pages_(pages) {
        setObjectName(QStringLiteral("PreviewPages"));
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setAutoFillBackground(false);
        viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        more_.setSingleShot(true);
        more_.setInterval(0);
        QObject::connect(&more_, &QTimer::timeout, viewport(), [this] { viewport()->update(); });
        QObject::connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), [this] {
            current_ = pageAtTop();
            if (changed) changed();
        });
    }

    std::function<void()> changed;  // the page in view or the zoom changed

    int pageCount() const { return static_cast<int>(pages_.size()); }
    int current() const { return current_; }
    PagePreviewDialog::Zoom mode() const { return mode_; }
    int painted() const { return painted_; }

    // Of the page's true size on this screen.
    double zoom() const { return scale_ / trueScale(); }

    void setMode(PagePreviewDialog::Zoom mode) {
        mode_ = mode;
        refit();
    }

    void zoomBy(double factor) {
        mode_ = PagePreviewDialog::Zoom::Custom;
        setScale(
            std::clamp(scale_ * factor, kSmallestZoom * trueScale(), kLargestZoom * trueScale()));
    }

    void goToPage(int index) {
        if (pages_.empty()) return;
        index = std::clamp(index, 0, pageCount() - 1);
        verticalScrollBar()->setValue(static_cast<int>(
            std::min<qint64>(qint64(index) * pitch(), verticalScrollBar()->maximum())));
        // At the end of the column the last pages share the view: the one
        // asked for is the current one all the same.
        current_ = index;
        if (changed) changed();
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        refit();
    }

    void wheelEvent(QWheelEvent* event) override {
        if (event->modifiers() & Qt::ControlModifier) {
            zoomBy(event->angleDelta().y() > 0 ? kZoomStep : 1 / kZoomStep);
            event->accept();
            return;
        }
        QAbstractScrollArea::wheelEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Home) {
            goToPage(0);
        } else if (event->key() == Qt::Key_End) {
            goToPage(pageCount() - 1);
        } else {
            QAbstractScrollArea::keyPressEvent(event);
        }
    }

    void scrollContentsBy(int, int) override { viewport()->update(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
        if (pages_.empty()) return;
        const QSize slot = slotSize();
        const int top = verticalScrollBar()->value();
        const int left = slotLeft();
        const int first = std::max(0, (top - kGap) / pitch());
        const int last = std::min(pageCount() - 1, (top + viewport()->height()) / pitch());
        QElapsedTimer spent;
        spent.start();
        bool waiting = false;
        for (int i = first; i <= last; ++i) {
            const QRect sheet(left, static_cast<int>(kGap + qint64(i) * pitch() - top),
                              slot.width(), slot.height());
            painter.fillRect(sheet.translated(2, 2), palette().color(QPalette::Shadow));
            const QImage* image = cached(i);
            // Always at least one page a paint, so the view fills however slow.
            if (!image && (i == first || spent.elapsed() < kPaintBudgetMs)) {
                image = paintedPage(i);
                if (!image) {
                    painter.fillRect(sheet, Qt::white);  // no memory for it: left blank
                    continue;
                }
            }
            if (image) {
                painter.drawImage(sheet, *image);
            } else {
                painter.fillRect(sheet, Qt::white);
                waiting = true;
            }
        }
        if (waiting) more_.start();
    }

  private:
    // Screen pixels a tenth of a millimetre at 100 %.
    double trueScale() const { return logicalDpiX() / kTenthsPerInch; }

    QSize slotSize() const {
        const Page& first = pages_.front();
        return {std::max(1, static_cast<int>(std::lround(first.paperWidth() * scale_))),
                std::max(1, static_cast<int>(std::lround(first.paperHeight() * scale_)))};
    }

    int pitch() const { return slotSize().height() + kGap; }

    int slotLeft() const {
        const int room = viewport()->width();
        const int width = slotSize().width() + 2 * kGap;
        return width > room ? kGap - horizontalScrollBar()->value()
                            : (room - slotSize().width()) / 2;
    }

    int pageAtTop() const {
        if (pages_.empty()) return 0;
        // The page under a point half a page (or half the view) below the top.
        const int probe = verticalScrollBar()->value() +
                          std::min(viewport()->height(), slotSize().height()) / 2 + kGap;
        return std::clamp(probe / pitch(), 0, pageCount() - 1);
    }

    void refit() {
        if (pages_.empty()) return;
        const Page& first = pages_.front();
        const double width = std::max(1, viewport()->width() - 2 * kGap);
        const double height = std::max(1, viewport()->height() - 2 * kGap);
        // Fitted as if no scroll bar showed: with one the width only shrinks.
        const double scrollBar =
            verticalScrollBar()->isVisible() ? 0 : verticalScrollBar()->sizeHint().width();
        if (mode_ == PagePreviewDialog::Zoom::FitWidth)
            setScale((width - scrollBar) / first.paperWidth());
        else if (mode_ == PagePreviewDialog::Zoom::FitPage)
            setScale(std::min(width / first.paperWidth(), height / first.paperHeight()));
        else
            setScale(scale_);
    }

    void setScale(double scale) {
        // A column of pages must stay within a scroll bar's range.
        const double tallest =
            (INT_MAX / 2.0) / pageCount() / std::max(1.0, pages_.front().paperHeight());
        scale = std::clamp(scale, 0.01, std::max(0.01, tallest));
        // The point of the pages at the middle of the view stays there.
        const int half = viewport()->height() / 2;
        const int before = verticalScrollBar()->value();
        const double middle = (before + half - kGap) / double(pitch());
        const int keep = current_;
        if (scale != scale_) {
            scale_ = scale;
            forget();
        }
        // Room for every page in view, twice over, whatever the zoom.
        const QSize slot = slotSize();
        const qsizetype inView = viewport()->height() / pitch() + 2;
        budget_ = std::max(kCacheBytes, 2 * inView * imageBytes(imageSize()));

        const qint64 total = qint64(pageCount()) * pitch() + kGap;
        verticalScrollBar()->setRange(
            0, static_cast<int>(std::max<qint64>(0, total - viewport()->height())));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(std::max(1, viewport()->height() / 20));
        const int wide = slot.width() + 2 * kGap;
        horizontalScrollBar()->setRange(0, std::max(0, wide - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setSingleStep(std::max(1, viewport()->width() / 20));
        if (before == 0) {
            verticalScrollBar()->setValue(0);
            current_ = keep;
        } else {
            verticalScrollBar()->setValue(
                static_cast<int>(std::lround(middle * pitch() + kGap - half)));
            current_ = pageAtTop();
        }
        if (changed) changed();
        viewport()->update();
    }

    // The page painted on its own sheet of the first page's paper, at the
    // screen's pixels; nullptr when it cannot be (no memory): left blank.
    const QImage* paintedPage(int index) {
        const Page& first = pages_.front();
        const Page& page = pages_[static_cast<size_t>(index)];
        const double ratio = devicePixelRatioF();
        QImage image = freshImage(imageSize());
        if (image.isNull()) return nullptr;
        const int dotsPerMeter =
            static_cast<int>(std::lround(image.width() / first.paperWidth() * 10000.0));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        try {
            QPainter painter(&image);
            const double scale = std::min(first.paperWidth() / page.paperWidth(),
                                          first.paperHeight() / page.paperHeight());
            if (scale != 1.0) painter.scale(scale, scale);
            paintPage(page, painter);
        } catch (const std::exception&) {
            return nullptr;  // painted in a paint event: nothing may escape it
        }
        ++painted_;
        image.setDevicePixelRatio(ratio);
        used_ += image.sizeInBytes();
        kept_.push_front({index, std::move(image)});
        where_[index] = kept_.begin();
        return &kept_.front().image;
    }

    QSize imageSize() const {
        const QSize slot = slotSize();
        const double ratio = devicePixelRatioF();
        return {static_cast<int>(std::lround(slot.width() * ratio)),
                static_cast<int>(std::lround(slot.height() * ratio))};
    }

    static qsizetype imageBytes(QSize size) { return qsizetype(size.width()) * size.height() * 4; }

    const QImage* cached(int index) {
        const auto found = where_.find(index);
        if (found == where_.end()) return nullptr;
        kept_.splice(kept_.begin(), kept_, found->second);  // the most recently shown first
        return &found->second->image;
    }

    // An image for the next page: the buffer of a page given up for it where
    // it has the size. A fresh one of a tall page at 4K costs more to fault in
    // than the page costs to paint.
    QImage freshImage(QSize size) {
        QImage reused;
        while (!kept_.empty() && used_ + imageBytes(size) > budget_) {
            Kept& last = kept_.back();
            used_ -= last.image.sizeInBytes();
            if (reused.isNull() && last.image.size() == size) reused = std::move(last.image);
            where_.erase(last.index);
            kept_.pop_back();
        }
        if (!reused.isNull()) {
            reused.setDevicePixelRatio(1);
            return reused;
        }
        return largeImage(size);
    }

    void forget() {
        kept_.clear();
        where_.clear();
        used_ = 0;
    }

    struct Kept {
        int index;
        QImage image;
    };

    const std::vector<Page>& pages_;
    double scale_ = 0.2;  // screen pixels a tenth of a millimetre
    PagePreviewDialog::Zoom mode_ = PagePreviewDialog::Zoom::FitWidth;
    int current_ = 0;
    int painted_ = 0;
    std::list<Kept> kept_;  // the most recently shown first
    std::unordered_map<int, std::list<Kept>::iterator> where_;
    qsizetype used_ = 0;  // bytes
    qsizetype budget_ = kCacheBytes;
    QTimer more_;
};

PagePreviewDialog::PagePreviewDialog(const std::vector<Page>& pages, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Baskı Önizleme"));
    setObjectName(QStringLiteral("PagePreviewDialog"));
    setSizeGripEnabled(true);

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("PreviewToolBar"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    view_ = new PagePreviewView(pages, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(view_, 1);

    const auto add = [this](const QString& text, const QString& tip, const char* name) {
        QAction* action = toolbar_->addAction(text);
        action->setToolTip(tip);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    fileEnd_ = toolbar_->addSeparator();
    print_ =
        add(QStringLiteral("Yazdır"), QStringLiteral("Varsayılan yazıcıda yazdır"), "PrintAction");
    print_->setVisible(false);
    connect(print_, &QAction::triggered, this, [this] {
        if (printCall_) printCall_();
    });
    toolbar_->addSeparator();
    QAction* zoomOut =
        add(QStringLiteral("Uzaklaştır"), QStringLiteral("Sayfayı küçült"), "ZoomOutAction");
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, this, [this] { view_->zoomBy(1 / kZoomStep); });
    zoomLabel_ = new QLabel(toolbar_);
    zoomLabel_->setObjectName(QStringLiteral("ZoomLabel"));
    zoomLabel_->setToolTip(QStringLiteral("Sayfanın gerçek boyuna göre büyüklüğü"));
    zoomLabel_->setAlignment(Qt::AlignCenter);
    zoomLabel_->setMinimumWidth(
        zoomLabel_->fontMetrics().horizontalAdvance(QStringLiteral("%8888")));
    toolbar_->addWidget(zoomLabel_);
    QAction* zoomIn =
        add(QStringLiteral("Yakınlaştır"), QStringLiteral("Sayfayı büyüt"), "ZoomInAction");
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    connect(zoomIn, &QAction::triggered, this, [this] { view_->zoomBy(kZoomStep); });

    auto* fitting = new QActionGroup(this);
    fitting->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    fitWidth_ = add(QStringLiteral("Sayfa genişliği"),
                    QStringLiteral("Sayfayı pencerenin genişliğine sığdır"), "FitWidthAction");
    fitPage_ = add(QStringLiteral("Tam sayfa"),
                   QStringLiteral("Sayfanın tamamını pencereye sığdır"), "FitPageAction");
    for (QAction* fit : {fitWidth_, fitPage_}) {
        fit->setCheckable(true);
        fitting->addAction(fit);
    }
    connect(fitWidth_, &QAction::triggered, this, [this] { view_->setMode(Zoom::FitWidth); });
    connect(fitPage_, &QAction::triggered, this, [this] { view_->setMode(Zoom::FitPage); });

    toolbar_->addSeparator();
    previous_ =
        add(QStringLiteral("Önceki"), QStringLiteral("Önceki sayfaya git"), "PreviousPageAction");
    connect(previous_, &QAction::triggered, this, [this] { goToPage(currentPage() - 1); });
    position_ = new QLabel(toolbar_);
    position_->setObjectName(QStringLiteral("PageLabel"));
    position_->setAlignment(Qt::AlignCenter);
    const QString widest =
        QStringLiteral("Sayfa %1 / %1").arg(QString(QString::number(pageCount()).size(), u'8'));
    position_->setMinimumWidth(position_->fontMetrics().horizontalAdvance(widest) + 8);
    toolbar_->addWidget(position_);
    next_ = add(QStringLiteral("Sonraki"), QStringLiteral("Sonraki sayfaya git"), "NextPageAction");
    connect(next_, &QAction::triggered, this, [this] { goToPage(currentPage() + 1); });

    toolbar_->addSeparator();
    QAction* close =
        add(QStringLiteral("Kapat"), QStringLiteral("Önizlemeyi kapat (Esc)"), "CloseAction");
    connect(close, &QAction::triggered, this, &QDialog::reject);

    view_->changed = [this] { showPosition(); };
    fitWidth_->setChecked(true);
    showPosition();
    view_->setFocus();
}

PagePreviewDialog::~PagePreviewDialog() = default;

QAction* PagePreviewDialog::addFileAction(const QString& text, const QString& toolTip,
                                          const char* objectName, std::function<void()> triggered) {
    auto* action = new QAction(text, this);
    action->setToolTip(toolTip);
    action->setObjectName(QString::fromLatin1(objectName));
    connect(action, &QAction::triggered, this, [call = std::move(triggered)] { call(); });
    toolbar_->insertAction(fileEnd_, action);
    return action;
}

void PagePreviewDialog::setPrint(std::function<void()> print) {
    printCall_ = std::move(print);
    print_->setVisible(static_cast<bool>(printCall_));
}

void PagePreviewDialog::openLarge() {
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        resize(room.width() * 9 / 10, room.height() * 9 / 10);
        move(room.center() - rect().center());
    }
    fitWidth_->setChecked(true);
    view_->setMode(Zoom::FitWidth);
}

int PagePreviewDialog::pageCount() const {
    return view_->pageCount();
}
int PagePreviewDialog::currentPage() const {
    return view_->current();
}
void PagePreviewDialog::goToPage(int index) {
    view_->goToPage(index);
}
PagePreviewDialog::Zoom PagePreviewDialog::zoomMode() const {
    return view_->mode();
}
double PagePreviewDialog::zoomPercent() const {
    return view_->zoom() * 100;
}
int PagePreviewDialog::paintedPages() const {
    return view_->painted();
}

void PagePreviewDialog::keyPressEvent(QKeyEvent* event) {
    // Page Up/Down belong to the view wherever the focus is.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        goToPage(currentPage() + (event->key() == Qt::Key_PageUp ? -1 : 1));
        return;
    }
    QDialog::keyPressEvent(event);
}

void PagePreviewDialog::showPosition() {
    const int count = pageCount();
    const int current = count == 0 ? 0 : currentPage() + 1;
    position_->setText(QStringLiteral("Sayfa %1 / %2").arg(current).arg(count));
    previous_->setEnabled(current > 1);
    next_->setEnabled(current < count);
    zoomLabel_->setText(QStringLiteral("%") + QString::number(std::lround(zoomPercent())));
    fitWidth_->setChecked(view_->mode() == Zoom::FitWidth);
    fitPage_->setChecked(view_->mode() == Zoom::FitPage);
}

}  // namespace zarvik
