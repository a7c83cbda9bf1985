#pragma once
#include "exercise/ExerciseState.h"
#include "platform/MessageBoxService.h"
#include <QLocale>
#include <QString>

// The message that closes an exercise, chosen from how it ended.
MessageBoxText summaryFor(const ExerciseState& state, const QLocale& locale = QLocale());

// "0.00": at least one integer digit, two decimals, halves rounded away from zero as the
// value reads in decimal; the locale's digits and decimal separator, no grouping.
QString formatFixed2(double value, const QLocale& locale);
// "0.00%": the value times 100 in the same form, then a percent sign.
QString formatPercent2(double value, const QLocale& locale);
