#pragma once
// What the rows of textKinds() point at: the generators, the checks of their
// field values and the answer functions.

#include "text_worksheets/core/TextKinds.h"

namespace zarvik::text {

// Addition.
void singleDigitAddition(const TextValues&, RandomDraw&, LineWriter&);
void checkSingleDigitAddition(const TextKind&, const TextValues&);
void additionWithoutCarry(const TextValues&, RandomDraw&, LineWriter&);
void checkAdditionWithoutCarry(const TextKind&, const TextValues&);
void simpleAdditionWithCarry(const TextValues&, RandomDraw&, LineWriter&);
void mixedAddition(const TextValues&, RandomDraw&, LineWriter&);
void checkMixedAddition(const TextKind&, const TextValues&);
void additionOfSeveralNumbers(const TextValues&, RandomDraw&, LineWriter&);
void checkAdditionOfSeveralNumbers(const TextKind&, const TextValues&);
void decimalAddition(const TextValues&, RandomDraw&, LineWriter&);

// Subtraction.
void singleDigitSubtraction(const TextValues&, RandomDraw&, LineWriter&);
void checkSingleDigitSubtraction(const TextKind&, const TextValues&);
void subtractionBelowTwenty(const TextValues&, RandomDraw&, LineWriter&);
void subtractionWithoutBorrow(const TextValues&, RandomDraw&, LineWriter&);
void checkSubtractionWithoutBorrow(const TextKind&, const TextValues&);
void mixedSubtraction(const TextValues&, RandomDraw&, LineWriter&);
void checkMixedSubtraction(const TextKind&, const TextValues&);
void decimalSubtraction(const TextValues&, RandomDraw&, LineWriter&);

// Multiplication.
void timesTable(const TextValues&, RandomDraw&, LineWriter&);
void singleDigitMultiplication(const TextValues&, RandomDraw&, LineWriter&);
// Both kinds draw 2..L: only L = INT32_MIN would wrap.
void checkLargestFactor(const TextKind&, const TextValues&);
void multiplicationWithoutCarry(const TextValues&, RandomDraw&, LineWriter&);
void checkMultiplicationWithoutCarry(const TextKind&, const TextValues&);
void multiplicationBySingleDigit(const TextValues&, RandomDraw&, LineWriter&);
void checkMultiplicationBySingleDigit(const TextKind&, const TextValues&);
void multiDigitMultiplication(const TextValues&, RandomDraw&, LineWriter&);
void checkMultiDigitMultiplication(const TextKind&, const TextValues&);
void multiplicationByPowerOfTen(const TextValues&, RandomDraw&, LineWriter&);
void checkMultiplicationByPowerOfTen(const TextKind&, const TextValues&);
void decimalMultiplication(const TextValues&, RandomDraw&, LineWriter&);
void decimalMultiplicationByPowerOfTen(const TextValues&, RandomDraw&, LineWriter&);

// Division.
void basicDivision(const TextValues&, RandomDraw&, LineWriter&);
void checkBasicDivision(const TextKind&, const TextValues&);
void longDivision(const TextValues&, RandomDraw&, LineWriter&);
void checkLongDivisionLists(const TextKind&, const TextValues&);
void checkLongDivision(const TextKind&, const TextValues&);
void decimalDivision(const TextValues&, RandomDraw&, LineWriter&);
void decimalDivisionByPowerOfTen(const TextValues&, RandomDraw&, LineWriter&);

// The decimal kinds: digit counts of the whole and the fraction part whose
// power of ten would leave 32 bits.
void checkDecimalParts(const TextKind&, const TextValues&);

// Reading numbers, measures and time. The checks keep a number's digits
// within limits::kMostDigitsToRead.
void checkNaturalNumberReading(const TextKind&, const TextValues&);
void checkDecimalNumberReading(const TextKind&, const TextValues&);
void naturalNumberReading(const TextValues&, RandomDraw&, LineWriter&);
void decimalNumberReading(const TextValues&, RandomDraw&, LineWriter&);
void unitConversion(const TextValues&, RandomDraw&, LineWriter&);
void simpleUnitConversion(const TextValues&, RandomDraw&, LineWriter&);
void timeConversion(const TextValues&, RandomDraw&, LineWriter&);

// Answers.
TextAnswer sumAnswer(const TextExercise&);
TextAnswer decimalSumAnswer(const TextExercise&);
TextAnswer differenceAnswer(const TextExercise&);
TextAnswer decimalDifferenceAnswer(const TextExercise&);
TextAnswer productAnswer(const TextExercise&);
TextAnswer decimalProductAnswer(const TextExercise&);
TextAnswer decimalTimesPowerAnswer(const TextExercise&);
TextAnswer quotientAnswer(const TextExercise&);
TextAnswer decimalQuotientAnswer(const TextExercise&);
TextAnswer decimalOverPowerAnswer(const TextExercise&);
TextAnswer naturalNumberWords(const TextExercise&);
TextAnswer decimalNumberWords(const TextExercise&);
TextAnswer conversionAnswer(const TextExercise&);

}  // namespace zarvik::text
