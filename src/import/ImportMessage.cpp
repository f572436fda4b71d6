#include "ImportMessage.h"

QString importMessage(int count, int languageIndex, const QString& item7, const QString& item8) {
    const QString c = QString::number(count);
    if (languageIndex == 1 || languageIndex == 4 || languageIndex == 5)
        return item7 + QLatin1Char(' ') + c + QLatin1Char(' ') + item8;
    return c + QLatin1Char(' ') + item7;
}
