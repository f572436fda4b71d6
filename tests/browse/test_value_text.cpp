// Texts of the moisture, density and temperature cells.
#include "ValueText.h"

#include <gtest/gtest.h>

namespace {
const QLocale point(QLocale::English, QLocale::UnitedStates);
const QLocale comma(QLocale::Polish, QLocale::Poland);
} // namespace

TEST(ValueText, MarkersByStatusBits) {
    struct Case {
        MeasuredField field;
        double value;
        int flags;
        const char* text;
    };
    const auto M = MeasuredField::Moisture;
    const auto D = MeasuredField::Density;
    const Case cases[] = {
        {M, 14.3, 0, "14.3%"},
        {M, 14.3, 2, "14.3% avg"},
        {M, 14.3, 8, "<14.3%"},
        {M, 14.3, 16, ">14.3%"},
        {M, 14.3, 24, "<14.3%"},
        {M, 14.3, 10, "14.3% avg"},
        {M, 14.3, 3, "14.3% avg ."},
        {M, 14.3, 64, "---"},
        {M, 14.3, 65, "--- ."},
        {D, 76.4, 8, "76.4kg/hl"},
        {D, 76.4, 1, "76.4kg/hl ."},
        {D, 76.4, 16, "76.4kg/hl"},
        {D, 76.4, 24 | 1, "76.4kg/hl ."},
        {D, 76.4, 64 | 2, "---"},
        {M, 14.3, 128 | 4 | 32, "14.3%"}, // bits without meaning
        {M, 9.96, 0, "10.0%"},
        {M, 0.04, 0, "0.0%"},
        {D, 12345.6, 0, "12346.0kg/hl"},
        {M, 123456.0, 0, "1.2346E5%"},
        {M, 100000.0, 0, "1E5%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(measurementText(c.field, float(c.value), c.flags, point), QString(c.text))
            << c.value << " flags " << c.flags;
}

TEST(ValueText, SystemSeparatorAndEmptyValues) {
    EXPECT_EQ(measurementText(MeasuredField::Moisture, 14.3f, 0, comma), "14,3%");
    EXPECT_EQ(measurementText(MeasuredField::Density, 76.4f, 2, comma), "76,4kg/hl avg");
    EXPECT_EQ(measurementText(MeasuredField::Moisture, std::nullopt, 0, point), "0.0%");
    EXPECT_EQ(measurementText(MeasuredField::Density, std::nullopt, 1, point), "0.0kg/hl .");
}

TEST(ValueText, Temperature) {
    struct Case {
        std::optional<double> value;
        const QLocale& locale;
        const char* text;
    };
    const Case cases[] = {
        {0.5, point, ".5°C"},          {21.0, point, "21.0°C"}, {0.0, point, ".0°C"},
        {-3.2, point, "-3.2°C"},       {-0.5, point, "-.5°C"},  {-10.0, point, "-10.0°C"},
        {std::nullopt, point, ".0°C"}, {18.7, comma, "18,7°C"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(temperatureText(c.value ? std::optional<double>(float(*c.value)) : std::nullopt,
                                  c.locale),
                  QString::fromUtf8(c.text));
}
