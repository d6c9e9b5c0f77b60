#include "Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace Fonts {

QString family()
{
    return QStringLiteral("WenQuanYi Micro Hei");
}

QStringList namedFamilies()
{
    // "SimSun" and "Arial" are left to the system for now: the receipt and the reports print
    // with them, and the CUPS PDF printer turns this family's digits into glyphs without text.
    return {QStringLiteral("NSimSun"), QStringLiteral("宋体"), QStringLiteral("新宋体"),
            QStringLiteral("华文彩云"), QStringLiteral("STCaiyun"),
            QStringLiteral("MS Shell Dlg 2")};
}

bool install()
{
    if (!QFontDatabase::hasFamily(family()))
        return false;
    for (const QString &named : namedFamilies())
        QFont::insertSubstitution(named, family());
    QFont font(family());
    font.setPixelSize(12);
    QApplication::setFont(font);
    return true;
}

} // namespace Fonts
