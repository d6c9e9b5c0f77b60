#include "Banner.h"

#include "toolkit/JpegImage.h"

#include <QCoreApplication>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>

namespace Banner {

QString title()
{
    return QCoreApplication::translate("Banner", "Rentora  影碟租售管理系统");
}

QLabel *create(QWidget *parent)
{
    auto *banner = new QLabel(parent);
    banner->setObjectName(QStringLiteral("FlatPanel3"));
    banner->setFixedHeight(41);
    banner->setScaledContents(true);
    // The picture stretches to the window's width and never widens the window.
    banner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    banner->setMinimumWidth(1);
    banner->setPixmap(QPixmap::fromImage(JpegImage::load(QStringLiteral(":/banner.jpg"))));

    auto *text = new QLabel(title(), banner);
    text->setObjectName(QStringLiteral("BannerTitle"));
    QFont font = text->font();
    font.setPixelSize(20);
    text->setFont(font);
    text->setStyleSheet(QStringLiteral("color: white;"));
    // The lower half of the gradient is light: a faint dark shadow keeps the white letters
    // clear against it.
    auto *shadow = new QGraphicsDropShadowEffect(text);
    shadow->setBlurRadius(3);
    shadow->setOffset(1, 1);
    shadow->setColor(QColor(0, 0, 0, 140));
    text->setGraphicsEffect(shadow);

    auto *row = new QHBoxLayout(banner);
    row->setContentsMargins(16, 0, 16, 0);
    row->addWidget(text, 0, Qt::AlignVCenter);
    row->addStretch(1);
    return banner;
}

} // namespace Banner
