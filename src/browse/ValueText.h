#pragma once
// Text of the moisture, density and temperature cells of the result grid,
// with the markers of the measurement's status bits.
#include <QLocale>
#include <QString>
#include <optional>

namespace MeasurementFlags {
constexpr int Dot = 1;      // " ." after the text
constexpr int Average = 2;  // " avg"
constexpr int Below = 8;    // "<" before a moisture value
constexpr int Above = 16;   // ">" before a moisture value
constexpr int Invalid = 64; // "---" in place of the value
} // namespace MeasurementFlags

enum class MeasuredField { Moisture, Density };

// `value` empty counts as 0. The decimal separator is the locale's (the
// system's by default).
QString measurementText(MeasuredField field, std::optional<double> value, int flagi,
                        const QLocale& locale = QLocale::system());

// Temperature: one decimal, no leading zero before the separator, "°C" after.
QString temperatureText(std::optional<double> value, const QLocale& locale = QLocale::system());

// The value in fixed notation with one decimal and at most five significant
// digits; values with more integer digits than that come in scientific form.
QString fixedOneDecimal(double value, const QLocale& locale);
