#include "ValueText.h"

#include <cmath>

namespace {
QString withSeparator(QString text, const QLocale& locale) {
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}
} // namespace

QString fixedOneDecimal(double value, const QLocale& locale) {
    // Five significant digits first, then one decimal.
    const double significant = QString::number(value, 'g', 5).toDouble();
    if (std::fabs(significant) >= 100000.0) {
        // Scientific form: mantissa with up to five digits, no trailing zeros.
        QString text = QString::number(significant, 'E', 4);
        const qsizetype e = text.indexOf(QLatin1Char('E'));
        QString mantissa = text.left(e);
        const int exponent = text.mid(e + 1).toInt();
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
        return withSeparator(mantissa, locale) + QLatin1Char('E') + QString::number(exponent);
    }
    double rounded = std::round(significant * 10.0) / 10.0;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0.0"
    return withSeparator(QString::number(rounded, 'f', 1), locale);
}

QString measurementText(MeasuredField field, std::optional<double> value, int flagi,
                        const QLocale& locale) {
    using namespace MeasurementFlags;
    QString text = fixedOneDecimal(value.value_or(0.0), locale);
    text += field == MeasuredField::Moisture ? QStringLiteral("%") : QStringLiteral("kg/hl");
    if (flagi & Invalid)
        text = QStringLiteral("---");
    else if (flagi & Average)
        text += QStringLiteral(" avg");
    else if ((flagi & Below) && field == MeasuredField::Moisture)
        text.prepend(QLatin1Char('<'));
    else if ((flagi & Above) && field == MeasuredField::Moisture)
        text.prepend(QLatin1Char('>'));
    if (flagi & Dot)
        text += QStringLiteral(" .");
    return text;
}

QString temperatureText(std::optional<double> value, const QLocale& locale) {
    double v = std::round(value.value_or(0.0) * 10.0) / 10.0;
    if (v == 0.0)
        v = 0.0;
    QString text = QString::number(v, 'f', 1);
    // "#.0": no digit before the separator when the integer part is zero.
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return withSeparator(text, locale) + QStringLiteral("°C");
}
