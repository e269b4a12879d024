#include "LocaleSettings.h"

#include <QLocale>
#include <QString>

namespace zorvanta {

char DecimalSeparatorFromLocale(const QLocale& locale)
{
    const QString symbol = locale.decimalPoint();
    // The result texts are UTF-8 built from single bytes, so only an ASCII symbol can
    // stand in for the point; anything wider falls back to ".".
    if (symbol.size() == 1 && symbol.front().unicode() >= 0x20 && symbol.front().unicode() < 0x7F)
        return static_cast<char>(symbol.front().unicode());
    return '.';
}

}  // namespace zorvanta
