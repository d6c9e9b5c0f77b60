#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "结算提示": the amounts to collect or pay out, in large type, after a transaction.
class TInforFm : public QDialog
{
    Q_OBJECT
public:
    explicit TInforFm(QWidget *parent = nullptr);

    // The caller's summary, lines separated by the character 13.
    void setSummary(const QString &summary);

    QLabel *Label1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
