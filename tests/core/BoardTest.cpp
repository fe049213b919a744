// The board apart from its window: screens of one to four exercises and their
// answers, the drill's clock, and the size and places of the exercises.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/core/Board.h"

using namespace zarvik;

namespace {

TEST(BoardDrill, ScreensStepAndKeepTheirPlaceWhenTheCountChanges) {
    BoardDrill drill(10);
    drill.setPerScreen(4);
    EXPECT_EQ(drill.screens(), 3);
    EXPECT_FALSE(drill.previous());
    EXPECT_TRUE(drill.next());
    EXPECT_TRUE(drill.next());
    // The last screen holds what is left, and there is no screen after it.
    EXPECT_EQ(drill.first(), 8);
    EXPECT_EQ(drill.shown(), 2);
    EXPECT_FALSE(drill.next());
    EXPECT_EQ(drill.first(), 8);
    // Three a screen: the screen holding exercise 9 starts at 7 (index 6).
    drill.setPerScreen(3);
    EXPECT_EQ(drill.first(), 6);
    EXPECT_EQ(drill.shown(), 3);
    drill.setPerScreen(9);
    EXPECT_EQ(drill.perScreen(), board::kMostPerScreen);
    drill.setPerScreen(0);
    EXPECT_EQ(drill.perScreen(), 1);

    BoardDrill empty(0);
    EXPECT_EQ(empty.shown(), 0);
    EXPECT_EQ(empty.screens(), 1);
    EXPECT_FALSE(empty.next());
    EXPECT_EQ(empty.revealNext(), -1);
    EXPECT_FALSE(empty.allRevealed());
}

TEST(BoardDrill, AnswersComeOneAtATimeOrAllAtOnce) {
    BoardDrill drill(5);
    drill.setPerScreen(2);
    EXPECT_EQ(drill.revealNext(), 0);
    EXPECT_FALSE(drill.screenRevealed());
    EXPECT_EQ(drill.revealNext(), 1);
    EXPECT_TRUE(drill.screenRevealed());
    EXPECT_EQ(drill.revealNext(), -1);
    // Other screens are untouched.
    EXPECT_FALSE(drill.revealed(2));
    drill.hideScreen();
    EXPECT_FALSE(drill.revealed(0));
    drill.revealAll(true);
    EXPECT_TRUE(drill.allRevealed());
    EXPECT_TRUE(drill.revealed(4));
    EXPECT_FALSE(drill.revealed(5));
    drill.revealAll(false);
    EXPECT_FALSE(drill.revealed(4));
}

TEST(BoardTimer, CountsDownThreeTwoOneThenRunsPausesAndEnds) {
    BoardTimer timer;
    timer.start(10'000);
    EXPECT_EQ(timer.countdownNumber(), 3);
    EXPECT_FALSE(timer.advance(1'500));
    EXPECT_EQ(timer.countdownNumber(), 2);
    EXPECT_FALSE(timer.advance(1'000));
    EXPECT_EQ(timer.countdownNumber(), 1);
    // What passes beyond the countdown counts for the period.
    EXPECT_FALSE(timer.advance(1'500));
    EXPECT_EQ(timer.phase(), BoardTimer::Phase::Running);
    EXPECT_EQ(timer.remainingMs(), 9'000);
    timer.pause();
    EXPECT_FALSE(timer.advance(60'000));
    EXPECT_EQ(timer.remainingMs(), 9'000);
    timer.resume();
    EXPECT_DOUBLE_EQ(timer.remainingFraction(), 0.9);
    EXPECT_TRUE(timer.advance(9'000));
    EXPECT_EQ(timer.remainingMs(), 0);
    timer.startPeriod(2'000);
    EXPECT_FALSE(timer.advance(1'999));
    EXPECT_TRUE(timer.advance(5));
    timer.finish();
    EXPECT_FALSE(timer.active());
    EXPECT_FALSE(timer.advance(1'000));

    // Paused while counting down, it goes on counting down.
    timer.start(1'000);
    timer.pause();
    EXPECT_EQ(timer.countdownNumber(), 3);
    timer.resume();
    EXPECT_EQ(timer.phase(), BoardTimer::Phase::Countdown);
}

TEST(BoardTimes, TextsInTurkish) {
    EXPECT_EQ(boardTimeText(10), QStringLiteral("10 sn"));
    EXPECT_EQ(boardTimeText(120), QStringLiteral("2 dk"));
    EXPECT_EQ(boardTimeText(90), QStringLiteral("1 dk 30 sn"));
    for (const BoardTiming timing : {BoardTiming::PerExercise, BoardTiming::WholeSet})
        EXPECT_TRUE(std::is_sorted(boardTimes(timing).begin(), boardTimes(timing).end()));
}

// A 65" 16:9 screen is 1439 x 809 mm; at 3840 pixels a millimetre is 2.67 pixels.
TEST(BoardScale, DigitsOfTheWantedHeightOnTheRealScreen) {
    const double pixelsPerMm = 3840 / 1439.0;
    const double digit = 35.4;  // a 14-point digit, in tenths of a millimetre
    const double scale = boardScale(pixelsPerMm, digit, board::kDigitMm);
    EXPECT_NEAR(digit * scale, 74.7, 0.1);
}

TEST(BoardPlacement, ChoosesTheGridThatKeepsItemsLargestAndNeverOverlaps) {
    const QRectF area(0, 100, 3840, 1800);
    // Wide lines of text stack in one column; square figures go two by two.
    const BoardPlacement lines = placeOnBoard({{1500, 100}, {1500, 100}, {1500, 100}}, area, 5);
    EXPECT_EQ(lines.columns, 1);
    EXPECT_EQ(lines.rows, 3);
    const BoardPlacement squares = placeOnBoard(
        {{400, 400}, {400, 400}, {400, 400}, {400, 400}}, QRectF(0, 0, 2000, 2000), 10);
    EXPECT_EQ(squares.columns, 2);
    EXPECT_EQ(squares.rows, 2);
    // The wanted scale is the most; an item that cannot have it gets less.
    EXPECT_DOUBLE_EQ(placeOnBoard({{100, 100}}, area, 2).scale, 2);
    const BoardPlacement large = placeOnBoard({{4000, 100}}, area, 2);
    EXPECT_LT(large.scale, 1);
    for (const BoardPlacement& p : {lines, large}) {
        for (size_t i = 0; i < p.boxes.size(); ++i) {
            EXPECT_TRUE(area.contains(p.boxes[i])) << i;
            for (size_t j = i + 1; j < p.boxes.size(); ++j)
                EXPECT_FALSE(p.boxes[i].intersects(p.boxes[j])) << i << " " << j;
        }
    }
    // Three in a grid of two: the last one centred under the others.
    const BoardPlacement three = placeOnBoard({{400, 400}, {400, 400}, {400, 400}}, area, 10);
    if (three.columns == 2) {
        EXPECT_NEAR(three.boxes[2].center().x(), area.center().x(), 1);
    }
    EXPECT_TRUE(placeOnBoard({}, area, 1).boxes.empty());
}

}  // namespace
