#include "NotYetBuilt.h"

#include "toolkit/MessageBox.h"

#include <QApplication>

void showNotYetBuilt(const QString &what)
{
    Msg::info(QApplication::activeWindow(),
              QStringLiteral("“%1”功能尚未完成，敬请期待。").arg(what));
}
