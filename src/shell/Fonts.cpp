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
    return {QStringLiteral("SimSun"),   QStringLiteral("NSimSun"),  QStringLiteral("宋体"),
            QStringLiteral("新宋体"),   QStringLiteral("Arial"),    QStringLiteral("华文彩云"),
            QStringLiteral("STCaiyun"), QStringLiteral("MS Shell Dlg 2")};
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
