#include "RentalLook.h"

#include <QLabel>

namespace RentalLook {

QLabel *titleStrip(const QString &text, QWidget *parent, int height)
{
    auto *strip = new QLabel(text, parent);
    strip->setAutoFillBackground(true);
    QPalette p = strip->palette();
    p.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    p.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(p);
    QFont f = strip->font();
    f.setBold(true);
    f.setPixelSize(14);
    strip->setFont(f);
    strip->setFixedHeight(height);
    strip->setContentsMargins(10, 0, 10, 0);
    strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return strip;
}

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace RentalLook
