#pragma once

#include <QWidget>

// "关于": the product title and version beside a picture; closes as soon as it loses the focus.
class TAboutFm : public QWidget
{
    Q_OBJECT
public:
    explicit TAboutFm(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
};
