#include "SplashWindow.h"

#include "toolkit/JpegImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TSpleshFm::TSpleshFm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SpleshFm"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_picture = JpegImage::load(QStringLiteral(":/splash.jpg"));
    setFixedSize(487, 267);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSpleshFm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(rect(), QColor(29, 53, 87));
    else
        p.drawImage(rect(), m_picture);
}
