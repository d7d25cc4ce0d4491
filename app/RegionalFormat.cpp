#include "app/RegionalFormat.h"

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

bool Ascii(const std::string& s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 128) return false;
    return true;
}

} // namespace

RegionalSeparators SeparatorsOf(const QLocale& locale) {
    RegionalSeparators separators;
    separators.decimal = Drawable(locale.decimalPoint());
    separators.group = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)
                           ? std::string()
                           : Drawable(locale.groupSeparator());
    // The fonts hold ASCII only: a separator they cannot draw (the Arabic
    // ones) would vanish and run the digits together.
    if (separators.decimal.empty() || !Ascii(separators.decimal)) return RegionalSeparators{};
    if (!Ascii(separators.group)) separators.group.clear();
    return separators;
}

void TakeSystemNumberFormat() { SetRegionalSeparators(SeparatorsOf(QLocale::system())); }
