#pragma once

#include "LabelSheet.h"

#include "shell/BaseWindows.h"

class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "打印标签": the copies offered, the ones ticked get a label; an A4 label sheet of chosen
// rows and columns or a 40 x 30 mm label printer.
class TLabelPrintFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    // labels in the order offered; checkedRows are ticked at first.
    TLabelPrintFm(const QList<LabelSheet::Label> &labels, const QList<int> &checkedRows,
                  QWidget *parent = nullptr);

    QList<LabelSheet::Label> checkedLabels() const;
    LabelSheet::Layout layout() const;
    void BtnPrintClick();

    QListWidget *LbCopies = nullptr;
    QPushButton *BtnAll = nullptr;
    QPushButton *BtnNone = nullptr;
    QRadioButton *RbSheet = nullptr;
    QSpinBox *EDRows = nullptr;
    QSpinBox *EDCols = nullptr;
    QRadioButton *RbPrinter = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *BtnCancel = nullptr;

private:
    QList<LabelSheet::Label> m_labels;
};

// Opens the dialog for these copies (modal, freed on close).
void ShowLabelPrint(const QList<LabelSheet::Label> &labels, const QList<int> &checkedRows,
                    QWidget *parent);
