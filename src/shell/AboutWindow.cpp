#include "AboutWindow.h"

#include "Openers.h"

#include "toolkit/JpegImage.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

void ShowAbout()
{
    auto *about = new TAboutFm(QApplication::activeWindow());
    about->show();
    about->raise();
    about->activateWindow();
}

TAboutFm::TAboutFm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("AboutFm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("关于"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFixedWidth(153);
    picture->setScaledContents(true);
    picture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    picture->setPixmap(QPixmap::fromImage(JpegImage::load(QStringLiteral(":/about.jpg"))));

    QFont bold(QStringLiteral("SimSun"));
    bold.setPixelSize(16);
    bold.setBold(true);
    auto *title = new QLabel(QStringLiteral("Rentora"), this);
    title->setObjectName(QStringLiteral("LabelTitle"));
    title->setFont(bold);
    auto *version = new QLabel(QStringLiteral("Ver:1.00.03"), this);
    version->setObjectName(QStringLiteral("LabelVersion"));
    version->setFont(bold);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *maker = new QLabel(QStringLiteral("Quorvale SoftWare"), this);

    auto *text = new QVBoxLayout;
    text->setContentsMargins(20, 30, 20, 20);
    text->addWidget(title);
    text->addWidget(version);
    text->addStretch();
    text->addWidget(line);
    text->addWidget(maker);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->addLayout(text, 1);
    resize(435, 295);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TAboutFm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        close();
}
