#include "common/windows/BoardWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVariantAnimation>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "common/core/TextMeasure.h"
#include "common/render/BoardPainter.h"
#include "common/render/PageRenderer.h"
#include "common/windows/ErrorBox.h"

namespace zarvik {

namespace {

// Black on white, the answers in a teacher's red pen.
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kAnswer(0xC0, 0x00, 0x00);
const QColor kBar(0xE8, 0xE8, 0xE8);
const QColor kCurtain(0x3A, 0x10, 0x18);
const QColor kCurtainText(0xF0, 0xE6, 0xD2);
constexpr double kZoomStep = 1.25;
constexpr int kLeastZoomStep = -3, kMostZoomStep = 4;
// A capital or digit stands about 0.72 of the pixel size of the board's face.
constexpr double kCapHeight = 0.72;
constexpr int kTickMs = 50;
// Aimed a little above the least height: hinting may round a digit a pixel down.
constexpr double kDigitHeadroom = 1.03;

QFont boardFont(int pixels, bool bold = true) {
    QFont font(resolvedFontFamily(QStringLiteral("Arial")));
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    return font;
}

}  // namespace

// The exercises, the timer's bar and the 3-2-1 start. A swipe steps.
class BoardWindow::View : public QWidget {
  public:
    explicit View(BoardWindow& board) : QWidget(&board), board_(board) {
        setObjectName(QStringLiteral("BoardView"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Where the items go and how large, for the screen as it is now.
    void place(std::vector<BoardItem> items, double wantedScale) {
        items_ = std::move(items);
        wanted_ = wantedScale;
        placement_ = placeBoardItems(items_, itemArea(), wanted_);
        update();
    }
    const BoardPlacement& placement() const { return placement_; }
    const std::vector<BoardItem>& items() const { return items_; }

  protected:
    void resizeEvent(QResizeEvent*) override { placement_ = placeBoardItems(items_, itemArea(), wanted_); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kPaper);
        painter.setRenderHint(QPainter::Antialiasing);
        const BoardTimer& timer = board_.timer_;
        if (timer.countdownNumber() > 0) {
            painter.setPen(kInk);
            painter.setFont(boardFont(height() * 6 / 10));
            painter.drawText(rect(), Qt::AlignCenter, QString::number(timer.countdownNumber()));
            return;
        }
        if (timer.active()) {
            const QRectF bar = barRect();
            painter.fillRect(bar, kBar);
            const double left = timer.remainingFraction();
            const QColor colour = left > 0.25 ? QColor(0x1B, 0x7A, 0x3A)
                                  : left > 0.1 ? QColor(0xD0, 0x80, 0x00)
                                               : QColor(0xC0, 0x00, 0x00);
            painter.fillRect(QRectF(bar.left(), bar.top(), bar.width() * left, bar.height()), colour);
        }
        paintBoardItems(painter, items_, placement_, kAnswer);
    }

    void mousePressEvent(QMouseEvent* event) override { pressed_ = event->position(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPointF moved = event->position() - pressed_;
        if (std::abs(moved.x()) < width() / 8.0 || std::abs(moved.x()) < 2 * std::abs(moved.y()))
            return;
        runGuarded(this, [&] { moved.x() < 0 ? board_.next() : board_.previous(); });
    }

  private:
    QRectF barRect() const {
        return QRectF(0, 0, width(), std::max(12.0, board::kSmallestMm * board_.pixelsPerMm()));
    }
    QRectF itemArea() const {
        const double margin = std::max(8.0, 4 * board_.pixelsPerMm());
        return QRectF(rect()).adjusted(margin, barRect().height() + margin, -margin, -margin);
    }

    BoardWindow& board_;
    std::vector<BoardItem> items_;
    double wanted_ = 1;
    BoardPlacement placement_;
    QPointF pressed_;
};

// Blanks the whole board; a touch rolls it up and away.
class BoardWindow::Curtain : public QWidget {
  public:
    explicit Curtain(BoardWindow& board) : QWidget(&board), board_(board) {
        setObjectName(QStringLiteral("BoardCurtain"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        roll_ = new QVariantAnimation(this);
        roll_->setDuration(600);
        roll_->setEasingCurve(QEasingCurve::InOutCubic);
        roll_->setStartValue(1.0);
        roll_->setEndValue(0.0);
        connect(roll_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
            shown_ = value.toDouble();
            setGeometry(0, 0, parentWidget()->width(),
                        static_cast<int>(std::ceil(parentWidget()->height() * shown_)));
        });
        connect(roll_, &QVariantAnimation::finished, this, &QWidget::hide);
        hide();
    }

    void drop() {
        roll_->stop();
        shown_ = 1;
        setGeometry(parentWidget()->rect());
        show();
        raise();
    }
    void lift() {
        if (isHidden() || roll_->state() == QAbstractAnimation::Running) return;
        roll_->start();
    }
    void fit() {
        if (!isHidden())
            setGeometry(0, 0, parentWidget()->width(),
                        static_cast<int>(std::ceil(parentWidget()->height() * shown_)));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect whole = parentWidget()->rect();
        painter.fillRect(rect(), kCurtain);
        // The folds of the cloth, and the hint at the bottom edge.
        painter.setPen(QPen(kCurtain.lighter(130), std::max(2.0, board_.pixelsPerMm())));
        const int folds = 12;
        for (int i = 1; i < folds; ++i) {
            const int x = whole.width() * i / folds;
            painter.drawLine(x, 0, x, height());
        }
        painter.setPen(kCurtainText);
        painter.setFont(boardFont(board_.fontPixels_));
        const int line = board_.fontPixels_ * 2;
        painter.drawText(QRect(0, height() - 2 * line, width(), line), Qt::AlignCenter,
                         QStringLiteral("Perdeyi açmak için dokunun"));
    }
    void mousePressEvent(QMouseEvent*) override { board_.liftCurtain(); }

  private:
    BoardWindow& board_;
    QVariantAnimation* roll_ = nullptr;
    double shown_ = 1;
};

BoardWindow::BoardWindow(QWidget* parent) : QWidget(parent, Qt::Window), endSound(playBoardEndSound) {
    setObjectName(QStringLiteral("BoardWindow"));
    setAttribute(Qt::WA_AcceptTouchEvents, false);
    setFocusPolicy(Qt::StrongFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPaper);
    palette.setColor(QPalette::WindowText, kInk);
    setPalette(palette);
    setAutoFillBackground(true);
    const CellFont face{QStringLiteral("Arial"), FigureStyle{}.points, false, false};
    digitHeight_ = textMeasure().metrics(face, face.pointSize).digitHeight;
    buildControls();
    ticker_ = new QTimer(this);
    ticker_->setInterval(kTickMs);
    connect(ticker_, &QTimer::timeout, this, [this] { runGuarded(this, [&] { tick(); }); });
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::buildControls() {
    view_ = new View(*this);
    const auto button = [this](const char* name, const QString& text, const QString& spoken,
                               auto&& action) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        // The keys are the board's, not a focused button's.
        b->setFocusPolicy(Qt::NoFocus);
        if (!spoken.isEmpty()) {
            b->setAccessibleName(spoken);
            b->setToolTip(spoken);
        }
        connect(b, &QPushButton::clicked, this, [this, action] { runGuarded(this, action); });
        return b;
    };
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignCenter);
        return l;
    };

    position_ = label("BoardPosition");
    clock_ = label("BoardClock");
    topButtons_ = {
        button("ButtonPerde", QStringLiteral("Perde"), QStringLiteral("Ekranı perdeyle kapat"),
               [this] { dropCurtain(); }),
        fullScreenButton_ = button("ButtonTamEkran", QStringLiteral("Tam ekran"), QString(),
                                   [this] { toggleFullScreen(); }),
        button("ButtonKapat", QStringLiteral("Kapat"), QStringLiteral("Tahtayı kapat"),
               [this] { close(); }),
    };

    bottomControls_.push_back(button("ButtonOnceki", QStringLiteral("◀"), QStringLiteral("Önceki"),
                                     [this] { previous(); }));
    bottomControls_.push_back(button("ButtonSonraki", QStringLiteral("▶"), QStringLiteral("Sonraki"),
                                     [this] { next(); }));
    revealButton_ = button("ButtonCevap", QStringLiteral("Cevabı göster"), QString(),
                           [this] { revealNext(); });
    allButton_ = button("ButtonHepsi", QStringLiteral("Hepsini göster"), QString(),
                        [this] { toggleRevealAll(); });
    besideButton_ = button("ButtonYanYana", QStringLiteral("Yan yana"),
                           QStringLiteral("Cevaplar sorunun yanında"), [this] { toggleSideBySide(); });
    besideButton_->setCheckable(true);
    bottomControls_.insert(bottomControls_.end(), {revealButton_, allButton_, besideButton_});
    perScreenLabel_ = label("BoardPerScreen");
    perScreenLabel_->setText(QStringLiteral("Ekranda"));
    bottomControls_.push_back(perScreenLabel_);
    static const char* const kCountNames[] = {"ButtonEkranda1", "ButtonEkranda2", "ButtonEkranda3",
                                              "ButtonEkranda4"};
    for (int n = 1; n <= board::kMostPerScreen; ++n) {
        countButtons_[n - 1] =
            button(kCountNames[n - 1], QString::number(n),
                   QStringLiteral("Ekranda %1 alıştırma").arg(n), [this, n] { setPerScreen(n); });
        countButtons_[n - 1]->setCheckable(true);
        bottomControls_.push_back(countButtons_[n - 1]);
    }
    bottomControls_.push_back(button("ButtonKucult", QStringLiteral("−"), QStringLiteral("Küçült"),
                                     [this] { zoomOut(); }));
    bottomControls_.push_back(button("ButtonBuyut", QStringLiteral("+"), QStringLiteral("Büyüt"),
                                     [this] { zoomIn(); }));
    timingButton_ = button("ButtonSureTuru", QString(), QString(), [this] { toggleTiming(); });
    timeButton_ = button("ButtonSure", QString(), QStringLiteral("Süreyi değiştir"),
                         [this] { nextTime(); });
    startButton_ = button("ButtonBaslat", QString(), QString(), [this] { startOrPause(); });
    bottomControls_.insert(bottomControls_.end(), {timingButton_, timeButton_, startButton_});

    curtain_ = new Curtain(*this);
    updateTexts();
}

void BoardWindow::setExercises(ExerciseList exercises, const QString& title) {
    stopClock();
    exercises_ = std::move(exercises);
    title_ = title;
    plain_.assign(exercises_.size(), std::nullopt);
    answered_.assign(exercises_.size(), std::nullopt);
    const int perScreen = drill_.perScreen();
    drill_ = BoardDrill(static_cast<int>(exercises_.size()));
    drill_.setPerScreen(perScreen);
    sideBySide_ = false;
    curtainDown_ = false;
    curtain_->hide();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tahtada Göster")
                                   : QStringLiteral("Tahtada Göster – ") + title);
    refresh();
}

void BoardWindow::showOnScreen(QScreen* screen) {
    if (screen) {
        setGeometry(screen->geometry());
        if (!windowHandle()) create();
        windowHandle()->setScreen(screen);
    }
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
    applySizes();
}

void BoardWindow::setScreenMillimetres(const QSizeF& size) {
    screenMm_ = size;
    applySizes();
}

double BoardWindow::pixelsPerMm() const {
    const QScreen* s = screen();
    const QSizeF mm = !screenMm_.isEmpty() ? screenMm_ : s ? s->physicalSize() : QSizeF();
    const QSize pixels = s ? s->geometry().size() : QSize();
    if (mm.width() > 0 && pixels.width() > 0) return pixels.width() / mm.width();
    return 96 / 25.4;
}

int BoardWindow::timeSeconds() const {
    const std::span<const int> times = boardTimes(timing_);
    const int choice = timeChoice_[timing_ == BoardTiming::PerExercise ? 0 : 1];
    return times[size_t(std::clamp<int>(choice, 0, int(times.size()) - 1))];
}

double BoardWindow::zoom() const {
    return std::pow(kZoomStep, zoomStep_);
}

std::vector<BoardWindow::Shown> BoardWindow::shown() const {
    std::vector<Shown> list;
    const BoardPlacement& placement = view_->placement();
    for (int i = 0; i < drill_.shown() && size_t(i) < placement.boxes.size(); ++i) {
        const BoardItem& item = view_->items()[size_t(i)];
        QRectF box = placement.boxes[size_t(i)];
        box.setWidth(item.figure->width * placement.scale);
        box.setHeight(item.figure->height * placement.scale);
        list.push_back({drill_.first() + i, box});
    }
    return list;
}

double BoardWindow::shownScale() const {
    return view_->placement().scale;
}

QWidget* BoardWindow::view() const {
    return view_;
}

const ExerciseFigure& BoardWindow::figure(int index, bool answered) {
    std::optional<ExerciseFigure>& slot = (answered ? answered_ : plain_)[size_t(index)];
    if (!slot) {
        FigureStyle style;
        style.answer = answered;
        slot = exerciseFigure(exercises_[size_t(index)], style);
    }
    return *slot;
}

void BoardWindow::refresh() {
    std::vector<BoardItem> items;
    for (int i = drill_.first(); i < drill_.first() + drill_.shown(); ++i) {
        BoardItem item;
        const bool revealed = drill_.revealed(i);
        if (sideBySide_) {
            item.figure = &figure(i, false);
            const ExerciseFigure& answer = figure(i, true);
            item.besideRoom = QSizeF(answer.width, answer.height);
            if (revealed) item.beside = &answer;
        } else {
            item.figure = &figure(i, revealed);
        }
        items.push_back(item);
    }
    const double wanted =
        boardScale(pixelsPerMm(), digitHeight_, board::kDigitMm * kDigitHeadroom * zoom());
    view_->place(std::move(items), wanted);
    updateTexts();
}

void BoardWindow::updateTexts() {
    const int first = drill_.first() + 1, last = drill_.first() + drill_.shown();
    const QString count = QString::number(drill_.count());
    position_->setText(drill_.count() == 0 ? QStringLiteral("Alıştırma yok")
                       : first == last     ? QStringLiteral("%1 / %2").arg(first).arg(count)
                                           : QStringLiteral("%1–%2 / %3").arg(first).arg(last).arg(count));
    revealButton_->setText(drill_.screenRevealed() ? QStringLiteral("Cevabı gizle")
                                                   : QStringLiteral("Cevabı göster"));
    allButton_->setText(drill_.allRevealed() ? QStringLiteral("Hepsini gizle")
                                             : QStringLiteral("Hepsini göster"));
    besideButton_->setChecked(sideBySide_);
    for (int n = 1; n <= board::kMostPerScreen; ++n)
        countButtons_[n - 1]->setChecked(drill_.perScreen() == n);
    timingButton_->setText(timing_ == BoardTiming::PerExercise ? QStringLiteral("Her alıştırmaya")
                                                               : QStringLiteral("Tüm sete"));
    timeButton_->setText(boardTimeText(timeSeconds()));
    switch (timer_.phase()) {
        case BoardTimer::Phase::Countdown:
        case BoardTimer::Phase::Running:
            startButton_->setText(QStringLiteral("Duraklat"));
            break;
        case BoardTimer::Phase::Paused:
            startButton_->setText(QStringLiteral("Sürdür"));
            break;
        default:
            startButton_->setText(QStringLiteral("Başlat"));
    }
    if (timer_.phase() == BoardTimer::Phase::Running || timer_.phase() == BoardTimer::Phase::Paused) {
        const int64_t seconds = (timer_.remainingMs() + 999) / 1000;
        clock_->setText(QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
    } else if (timer_.phase() == BoardTimer::Phase::Finished) {
        clock_->setText(QStringLiteral("Süre bitti"));
    } else {
        clock_->clear();
    }
    fullScreenButton_->setText(isFullScreen() ? QStringLiteral("Pencere") : QStringLiteral("Tam ekran"));
    layoutControls();
}

void BoardWindow::applySizes() {
    const double mm = pixelsPerMm();
    const int h = height() > 0 ? height() : 768;
    // Captions 9 mm tall where the screen has room for them; on a small
    // screen the controls still fit in two rows.
    fontPixels_ = std::clamp(static_cast<int>(std::ceil(board::kSmallestMm * mm / kCapHeight)), 12,
                             std::max(12, h / 26));
    controlHeight_ = std::max({static_cast<int>(std::ceil(board::kControlMm * mm)), 48,
                               fontPixels_ * 8 / 5});
    const QFont font = boardFont(fontPixels_);
    for (QPushButton* b : topButtons_)
        b->setFont(font);
    for (QWidget* w : bottomControls_)
        w->setFont(font);
    position_->setFont(font);
    clock_->setFont(font);
    refresh();
}

void BoardWindow::layoutControls() {
    const int gap = std::max(4, controlHeight_ / 6);
    const auto widthOf = [&](QWidget* w) {
        const int text = w->fontMetrics().horizontalAdvance(
            qobject_cast<QPushButton*>(w) ? static_cast<QPushButton*>(w)->text()
                                          : static_cast<QLabel*>(w)->text());
        return std::max(controlHeight_, text + controlHeight_ * 2 / 3);
    };
    // The top row: where the drill is, its clock, then the window's buttons at the right.
    int right = width() - gap;
    for (auto it = topButtons_.rbegin(); it != topButtons_.rend(); ++it) {
        const int w = widthOf(*it);
        right -= w;
        (*it)->setGeometry(right, gap, w, controlHeight_);
        right -= gap;
    }
    const int positionWidth = widthOf(position_);
    position_->setGeometry(gap, gap, positionWidth, controlHeight_);
    clock_->setGeometry(gap + positionWidth + gap, gap, std::max(0, right - positionWidth - 3 * gap),
                        controlHeight_);
    // The bottom: rows filled from the left, wrapped where the screen ends, centred.
    std::vector<std::vector<std::pair<QWidget*, int>>> rows(1);
    int used = gap;
    for (QWidget* w : bottomControls_) {
        const int cw = widthOf(w);
        if (used + cw + gap > width() && !rows.back().empty()) {
            rows.emplace_back();
            used = gap;
        }
        rows.back().emplace_back(w, cw);
        used += cw + gap;
    }
    int top = height() - static_cast<int>(rows.size()) * (controlHeight_ + gap);
    const int bottomTop = top;
    for (const auto& row : rows) {
        int rowWidth = -gap;
        for (const auto& [w, cw] : row)
            rowWidth += cw + gap;
        int x = std::max(gap, (width() - rowWidth) / 2);
        for (const auto& [w, cw] : row) {
            w->setGeometry(x, top, cw, controlHeight_);
            x += cw + gap;
        }
        top += controlHeight_ + gap;
    }
    const int viewTop = controlHeight_ + 2 * gap;
    view_->setGeometry(0, viewTop, width(), std::max(0, bottomTop - gap - viewTop));
    curtain_->fit();
}

void BoardWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applySizes();
}

bool BoardWindow::event(QEvent* event) {
    const bool done = QWidget::event(event);
    // Another screen, another size of a millimetre.
    if (event->type() == QEvent::ScreenChangeInternal)
        applySizes();
    return done;
}

void BoardWindow::next() {
    if (drill_.next() && timer_.phase() == BoardTimer::Phase::Running &&
        timing_ == BoardTiming::PerExercise)
        startPeriodForScreen();
    refresh();
}

void BoardWindow::previous() {
    if (drill_.previous() && timer_.phase() == BoardTimer::Phase::Running &&
        timing_ == BoardTiming::PerExercise)
        startPeriodForScreen();
    refresh();
}

void BoardWindow::revealNext() {
    if (drill_.screenRevealed())
        drill_.hideScreen();
    else
        drill_.revealNext();
    refresh();
}

void BoardWindow::toggleRevealAll() {
    drill_.revealAll(!drill_.allRevealed());
    refresh();
}

void BoardWindow::toggleSideBySide() {
    sideBySide_ = !sideBySide_;
    refresh();
}

void BoardWindow::setPerScreen(int n) {
    drill_.setPerScreen(n);
    if (timer_.active()) stopClock();
    refresh();
}

void BoardWindow::zoomIn() {
    zoomStep_ = std::min(zoomStep_ + 1, kMostZoomStep);
    refresh();
}

void BoardWindow::zoomOut() {
    zoomStep_ = std::max(zoomStep_ - 1, kLeastZoomStep);
    refresh();
}

void BoardWindow::nextTime() {
    int& choice = timeChoice_[timing_ == BoardTiming::PerExercise ? 0 : 1];
    choice = (choice + 1) % static_cast<int>(boardTimes(timing_).size());
    stopClock();
    updateTexts();
}

void BoardWindow::toggleTiming() {
    timing_ = timing_ == BoardTiming::PerExercise ? BoardTiming::WholeSet : BoardTiming::PerExercise;
    stopClock();
    updateTexts();
}

void BoardWindow::startOrPause() {
    switch (timer_.phase()) {
        case BoardTimer::Phase::Countdown:
        case BoardTimer::Phase::Running:
            timer_.pause();
            ticker_->stop();
            break;
        case BoardTimer::Phase::Paused:
            timer_.resume();
            lastTick_.start();
            ticker_->start();
            break;
        default: {
            if (drill_.count() == 0) return;
            // A fresh drill: from the first screen, every answer hidden.
            drill_.toFirst();
            drill_.revealAll(false);
            const int64_t seconds = timing_ == BoardTiming::PerExercise
                                        ? int64_t{timeSeconds()} * drill_.shown()
                                        : timeSeconds();
            timer_.start(seconds * 1000);
            lastTick_.start();
            ticker_->start();
        }
    }
    refresh();
    view_->update();
}

void BoardWindow::startPeriodForScreen() {
    timer_.startPeriod(int64_t{timeSeconds()} * drill_.shown() * 1000);
}

void BoardWindow::advanceClock(int64_t ms) {
    const bool counting = timer_.countdownNumber() > 0;
    if (timer_.advance(ms)) {
        if (timing_ == BoardTiming::PerExercise && drill_.next())
            startPeriodForScreen();
        else
            finishDrill();
        refresh();
    } else if (counting != (timer_.countdownNumber() > 0)) {
        refresh();
    } else {
        updateTexts();
    }
    view_->update();
}

void BoardWindow::tick() {
    const int64_t ms = lastTick_.restart();
    advanceClock(ms);
}

void BoardWindow::finishDrill() {
    timer_.finish();
    ticker_->stop();
    // Checked together: every answer, from the first exercise.
    drill_.revealAll(true);
    drill_.toFirst();
    if (endSound) endSound();
}

void BoardWindow::stopClock() {
    timer_.stop();
    if (ticker_) ticker_->stop();
}

void BoardWindow::dropCurtain() {
    curtainDown_ = true;
    curtain_->drop();
}

void BoardWindow::liftCurtain() {
    if (!curtainDown_) return;
    curtainDown_ = false;
    curtain_->lift();
}

void BoardWindow::toggleFullScreen() {
    if (isFullScreen())
        showMaximized();
    else
        showFullScreen();
    updateTexts();
}

void BoardWindow::keyPressEvent(QKeyEvent* event) {
    runGuarded(this, [&] {
        const int key = event->key();
        if (curtainDown_ && key != Qt::Key_Escape && key != Qt::Key_F) {
            liftCurtain();
            return;
        }
        switch (key) {
            case Qt::Key_Right:
            case Qt::Key_Down:
            case Qt::Key_PageDown:
                next();
                break;
            case Qt::Key_Left:
            case Qt::Key_Up:
            case Qt::Key_PageUp:
                previous();
                break;
            case Qt::Key_Space:
                revealNext();
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                startOrPause();
                break;
            case Qt::Key_F:
                toggleFullScreen();
                break;
            case Qt::Key_Escape:
                // Out of full screen first, then away.
                if (isFullScreen())
                    toggleFullScreen();
                else
                    close();
                break;
            case Qt::Key_B:
            case Qt::Key_Period:
                dropCurtain();
                break;
            case Qt::Key_Plus:
                zoomIn();
                break;
            case Qt::Key_Minus:
                zoomOut();
                break;
            case Qt::Key_1:
            case Qt::Key_2:
            case Qt::Key_3:
            case Qt::Key_4:
                setPerScreen(key - Qt::Key_0);
                break;
            default:
                QWidget::keyPressEvent(event);
        }
    });
}

void playBoardEndSound() {
    // The desktop's own "done" sound where a player for it is installed.
    const QString canberra = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play"));
    if (!canberra.isEmpty() &&
        QProcess::startDetached(canberra, {QStringLiteral("-i"), QStringLiteral("complete")}))
        return;
    const QString sound = QStringLiteral("/usr/share/sounds/freedesktop/stereo/complete.oga");
    if (QFileInfo::exists(sound)) {
        for (const char* player : {"pw-play", "paplay"}) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(player));
            if (!path.isEmpty() && QProcess::startDetached(path, {sound})) return;
        }
    }
    QApplication::beep();
}

}  // namespace zarvik
