#include "app/RegionalFormat.h"

#include "core/RegionalNumbers.h"

#include <QLocale>
#include <QString>

namespace {

std::string Drawable(const QString& separator) {
    QString s = separator;
    for (QChar& c : s) {
        if (c.isSpace()) c = QLatin1Char(' ');
        else if (c == QChar(0x2019) || c == QChar(0x02BC)) c = QLatin1Char('\'');
    }
    return s.toStdString();
}

} // namespace

void TakeSystemNumberFormat() {
    const QLocale system = QLocale::system();
    RegionalSeparators separators;
    separators.decimal = Drawable(system.decimalPoint());
    separators.group = system.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? std::string()
                                                                                       : Drawable(system.groupSeparator());
    if (separators.decimal.empty()) separators.decimal.assign(1, '.');
    SetRegionalSeparators(separators);
}
