#pragma once

#include <QWidget>

// The splash picture shown while the program comes up: borderless, 487 x 267, centred.
class TSpleshFm : public QWidget
{
    Q_OBJECT
public:
    explicit TSpleshFm(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
