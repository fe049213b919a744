#pragma once
// A sheet's exercises on a classroom board, apart from any window: which
// exercises a screen holds, whose answers show, the drill's clock, and the
// scale and places that keep the digits legible from the back row. The board
// window (common/windows/BoardWindow.h) draws what these decide.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace zarvik {

namespace board {
// Millimetres on the physical screen, for pupils reading from 7-8 metres.
inline constexpr double kDigitMm = 28;    // a digit's height, before the teacher's zoom
inline constexpr double kSmallestMm = 9;  // no text on the board is smaller
inline constexpr double kControlMm = 12;  // the side of every touch control
inline constexpr int kMostPerScreen = 4;
// Room between exercises and between a question and its answer beside it,
// in the figures' tenths of a millimetre.
inline constexpr double kGap = 60;
}  // namespace board

// Which exercises the screen holds and whose answers are shown. Screens hold
// perScreen exercises each, the last one what is left.
class BoardDrill {
  public:
    explicit BoardDrill(int count = 0);

    int count() const { return count_; }
    int perScreen() const { return perScreen_; }
    // 1..kMostPerScreen; the screen that holds the first exercise shown now.
    void setPerScreen(int n);

    int first() const { return first_; }  // 0-based index of the screen's first exercise
    int shown() const;                    // how many the screen holds
    int screen() const { return first_ / perScreen_; }
    int screens() const;
    // False, and nothing changes, on the last (first) screen.
    bool next();
    bool previous();
    void toFirst() { first_ = 0; }

    bool revealed(int index) const;
    // Reveals the screen's first exercise whose answer is hidden and returns
    // its index; -1 when every answer on the screen shows.
    int revealNext();
    bool screenRevealed() const;
    void hideScreen();
    // Every answer of the sheet shown or hidden.
    void revealAll(bool shown);
    bool allRevealed() const;

  private:
    int count_;
    int perScreen_ = 1;
    int first_ = 0;
    std::vector<bool> revealed_;
};

// How long a timed drill takes: a time for each exercise (the board moves on
// by itself) or one time for the whole set.
enum class BoardTiming { PerExercise, WholeSet };

// The times one button steps through, in seconds.
std::span<const int> boardTimes(BoardTiming timing);
// "10 sn", "2 dk", "1 dk 30 sn".
QString boardTimeText(int seconds);

// The drill's clock: a 3-2-1 start, then periods (one a screen, or one for
// the set) that the board starts one after another, with a pause. It is told
// the milliseconds that passed, so a test runs it on its own clock.
class BoardTimer {
  public:
    enum class Phase { Idle, Countdown, Running, Paused, Finished };
    static constexpr int64_t kCountdownMs = 3000;

    // The countdown, then a first period of periodMs.
    void start(int64_t periodMs);
    // The next period at once.
    void startPeriod(int64_t periodMs);
    void pause();
    void resume();
    void finish() { phase_ = Phase::Finished; }
    void stop() { phase_ = Phase::Idle; }

    // True when the running period ran out within these milliseconds; the
    // board then starts the next period or finishes.
    bool advance(int64_t ms);

    Phase phase() const { return phase_; }
    bool active() const;  // counting down, running or paused
    int countdownNumber() const;  // 3, 2, 1 while counting down
    int64_t remainingMs() const { return left_; }
    int64_t periodMs() const { return period_; }
    double remainingFraction() const;

  private:
    Phase phase_ = Phase::Idle;
    Phase beforePause_ = Phase::Idle;
    int64_t countdownLeft_ = 0;
    int64_t left_ = 0;
    int64_t period_ = 0;
};

// Pixels a tenth of a millimetre of a figure takes so that a digit
// digitHeight tenths tall (as printed) stands digitMm tall on a screen of
// pixelsPerMm.
double boardScale(double pixelsPerMm, double digitHeight, double digitMm);

// Items of the given sizes (tenths of a millimetre) placed in a grid over an
// area (pixels), every item at one scale: the wanted one, or the largest at
// which they all fit. Of the grids for the count, the one that lets them be
// largest; each item centred in its cell.
struct BoardPlacement {
    double scale = 0;  // pixels a tenth
    int columns = 1;
    int rows = 1;
    std::vector<QRectF> boxes;  // pixels, within the area
};
BoardPlacement placeOnBoard(const std::vector<QSizeF>& items, const QRectF& area,
                            double wantedScale);

}  // namespace zarvik
