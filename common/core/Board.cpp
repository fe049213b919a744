#include "common/core/Board.h"

#include <algorithm>
#include <array>

namespace zarvik {

BoardDrill::BoardDrill(int count) : count_(std::max(0, count)), revealed_(size_t(count_), false) {}

void BoardDrill::setPerScreen(int n) {
    perScreen_ = std::clamp(n, 1, board::kMostPerScreen);
    first_ = first_ / perScreen_ * perScreen_;
}

int BoardDrill::shown() const {
    return std::clamp(count_ - first_, 0, perScreen_);
}

int BoardDrill::screens() const {
    return std::max(1, (count_ + perScreen_ - 1) / perScreen_);
}

bool BoardDrill::next() {
    if (first_ + perScreen_ >= count_) return false;
    first_ += perScreen_;
    return true;
}

bool BoardDrill::previous() {
    if (first_ == 0) return false;
    first_ = std::max(0, first_ - perScreen_);
    return true;
}

bool BoardDrill::revealed(int index) const {
    return index >= 0 && index < count_ && revealed_[size_t(index)];
}

int BoardDrill::revealNext() {
    for (int i = first_; i < first_ + shown(); ++i)
        if (!revealed_[size_t(i)]) {
            revealed_[size_t(i)] = true;
            return i;
        }
    return -1;
}

bool BoardDrill::screenRevealed() const {
    for (int i = first_; i < first_ + shown(); ++i)
        if (!revealed_[size_t(i)]) return false;
    return shown() > 0;
}

void BoardDrill::hideScreen() {
    for (int i = first_; i < first_ + shown(); ++i)
        revealed_[size_t(i)] = false;
}

void BoardDrill::revealAll(bool shown) {
    std::fill(revealed_.begin(), revealed_.end(), shown);
}

bool BoardDrill::allRevealed() const {
    return count_ > 0 && std::all_of(revealed_.begin(), revealed_.end(), [](bool r) { return r; });
}

std::span<const int> boardTimes(BoardTiming timing) {
    static constexpr std::array<int, 7> kPerExercise{5, 10, 15, 20, 30, 45, 60};
    static constexpr std::array<int, 8> kWholeSet{60, 120, 180, 300, 420, 600, 900, 1200};
    if (timing == BoardTiming::PerExercise) return kPerExercise;
    return kWholeSet;
}

QString boardTimeText(int seconds) {
    const int minutes = seconds / 60, rest = seconds % 60;
    if (minutes == 0) return QStringLiteral("%1 sn").arg(rest);
    if (rest == 0) return QStringLiteral("%1 dk").arg(minutes);
    return QStringLiteral("%1 dk %2 sn").arg(minutes).arg(rest);
}

void BoardTimer::start(int64_t periodMs) {
    phase_ = Phase::Countdown;
    countdownLeft_ = kCountdownMs;
    period_ = left_ = std::max<int64_t>(1, periodMs);
}

void BoardTimer::startPeriod(int64_t periodMs) {
    phase_ = Phase::Running;
    period_ = left_ = std::max<int64_t>(1, periodMs);
}

void BoardTimer::pause() {
    if (phase_ != Phase::Countdown && phase_ != Phase::Running) return;
    beforePause_ = phase_;
    phase_ = Phase::Paused;
}

void BoardTimer::resume() {
    if (phase_ == Phase::Paused) phase_ = beforePause_;
}

bool BoardTimer::advance(int64_t ms) {
    if (ms <= 0) return false;
    if (phase_ == Phase::Countdown) {
        countdownLeft_ -= ms;
        if (countdownLeft_ > 0) return false;
        // What the countdown overran counts for the period.
        ms = -countdownLeft_;
        phase_ = Phase::Running;
    }
    if (phase_ != Phase::Running) return false;
    left_ -= ms;
    if (left_ > 0) return false;
    left_ = 0;
    return true;
}

bool BoardTimer::active() const {
    return phase_ == Phase::Countdown || phase_ == Phase::Running || phase_ == Phase::Paused;
}

int BoardTimer::countdownNumber() const {
    if (phase_ != Phase::Countdown && !(phase_ == Phase::Paused && beforePause_ == Phase::Countdown))
        return 0;
    return static_cast<int>((countdownLeft_ + 999) / 1000);
}

double BoardTimer::remainingFraction() const {
    return period_ > 0 ? static_cast<double>(left_) / static_cast<double>(period_) : 0;
}

double boardScale(double pixelsPerMm, double digitHeight, double digitMm) {
    if (digitHeight <= 0) return pixelsPerMm / 10;
    // digitHeight tenths are to become digitMm * 10 tenths on the screen.
    return digitMm * 10 / digitHeight * pixelsPerMm / 10;
}

BoardPlacement placeOnBoard(const std::vector<QSizeF>& items, const QRectF& area,
                            double wantedScale) {
    BoardPlacement best;
    const int n = static_cast<int>(items.size());
    if (n == 0 || area.isEmpty()) return best;
    double bestFit = -1;
    for (int columns = 1; columns <= n; ++columns) {
        const int rows = (n + columns - 1) / columns;
        // A grid with an empty row or column is never better than a smaller one.
        if ((rows - 1) * columns >= n) continue;
        const double cellWidth = area.width() / columns, cellHeight = area.height() / rows;
        double fit = wantedScale * 1e6;
        for (const QSizeF& item : items) {
            const double w = item.width() + board::kGap, h = item.height() + board::kGap;
            if (w > 0) fit = std::min(fit, cellWidth / w);
            if (h > 0) fit = std::min(fit, cellHeight / h);
        }
        const double scale = std::min(wantedScale, fit);
        // The largest scale; of equals, the grid with the most room to spare.
        if (scale > best.scale * (1 + 1e-9) || (scale >= best.scale * (1 - 1e-9) && fit > bestFit)) {
            best.scale = scale;
            best.columns = columns;
            best.rows = rows;
            bestFit = fit;
        }
    }
    const double cellWidth = area.width() / best.columns, cellHeight = area.height() / best.rows;
    for (int i = 0; i < n; ++i) {
        const QSizeF size = items[size_t(i)] * best.scale;
        const int row = i / best.columns, column = i % best.columns;
        // A last row with fewer items is centred under the others.
        const int inRow = std::min(best.columns, n - row * best.columns);
        const double rowLeft = area.left() + (best.columns - inRow) * cellWidth / 2;
        const double left = rowLeft + column * cellWidth + (cellWidth - size.width()) / 2;
        const double top = area.top() + row * cellHeight + (cellHeight - size.height()) / 2;
        best.boxes.emplace_back(left, top, size.width(), size.height());
    }
    return best;
}

}  // namespace zarvik
