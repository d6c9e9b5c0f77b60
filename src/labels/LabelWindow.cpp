#include "LabelWindow.h"

#include "shell/WorkArea.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ReportPrinter.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QSpinBox *spin(const char *name, int value, int max, QWidget *parent)
{
    auto *s = new QSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(1, max);
    s->setValue(value);
    return s;
}

} // namespace

TLabelPrintFm::TLabelPrintFm(const QList<LabelSheet::Label> &labels, const QList<int> &checkedRows,
                             QWidget *parent)
    : TBaseDlgFM(parent), m_labels(labels)
{
    setObjectName(QStringLiteral("LabelPrintFm"));
    setWindowTitle(tr("打印标签"));

    LbCopies = new QListWidget(this);
    LbCopies->setObjectName(QStringLiteral("LbCopies"));
    LbCopies->setAccessibleName(tr("影碟"));
    for (int i = 0; i < labels.size(); ++i) {
        auto *item = new QListWidgetItem(
            labels.at(i).code + QStringLiteral("    ") + labels.at(i).title, LbCopies);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(checkedRows.contains(i) ? Qt::Checked : Qt::Unchecked);
    }
    BtnAll = button(tr("全选"), "BtnAll", this);
    BtnNone = button(tr("全不选"), "BtnNone", this);

    RbSheet = new QRadioButton(tr("A4 标签纸"), this);
    RbSheet->setObjectName(QStringLiteral("RbSheet"));
    RbSheet->setChecked(true);
    EDRows = spin("EDRows", 10, 30, this);
    EDCols = spin("EDCols", 3, 8, this);
    RbPrinter = new QRadioButton(tr("标签打印机 40 x 30 mm"), this);
    RbPrinter->setObjectName(QStringLiteral("RbPrinter"));

    BtnPrint = button(tr("打印"), "BtnPrint", this);
    BtnCancel = button(tr("取消"), "BtnCancel", this);
    setCancelButton(BtnCancel);

    auto *pick = new QHBoxLayout;
    pick->addWidget(BtnAll);
    pick->addWidget(BtnNone);
    pick->addStretch();

    auto *paper = new QGridLayout;
    paper->addWidget(RbSheet, 0, 0);
    auto *rowsCaption = new QLabel(tr("行数"), this);
    rowsCaption->setBuddy(EDRows);
    auto *colsCaption = new QLabel(tr("列数"), this);
    colsCaption->setBuddy(EDCols);
    paper->addWidget(rowsCaption, 0, 1);
    paper->addWidget(EDRows, 0, 2);
    paper->addWidget(colsCaption, 0, 3);
    paper->addWidget(EDCols, 0, 4);
    paper->addWidget(RbPrinter, 1, 0, 1, 5);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LbCopies, 1);
    layout->addLayout(pick);
    layout->addLayout(paper);
    layout->addWidget(line);
    layout->addLayout(buttons);
    resize(420, 420);

    auto tickAll = [this](Qt::CheckState state) {
        for (int i = 0; i < LbCopies->count(); ++i)
            LbCopies->item(i)->setCheckState(state);
    };
    connect(BtnAll, &QPushButton::clicked, this, [tickAll] { tickAll(Qt::Checked); });
    connect(BtnNone, &QPushButton::clicked, this, [tickAll] { tickAll(Qt::Unchecked); });
    connect(RbSheet, &QRadioButton::toggled, this, [this](bool sheet) {
        EDRows->setEnabled(sheet);
        EDCols->setEnabled(sheet);
    });
    connect(BtnPrint, &QPushButton::clicked, this, &TLabelPrintFm::BtnPrintClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QList<LabelSheet::Label> TLabelPrintFm::checkedLabels() const
{
    QList<LabelSheet::Label> chosen;
    for (int i = 0; i < LbCopies->count(); ++i) {
        if (LbCopies->item(i)->checkState() == Qt::Checked)
            chosen << m_labels.at(i);
    }
    return chosen;
}

LabelSheet::Layout TLabelPrintFm::layout() const
{
    LabelSheet::Layout l;
    l.kind = RbPrinter->isChecked() ? LabelSheet::Layout::Kind::LabelPrinter
                                    : LabelSheet::Layout::Kind::A4Sheet;
    l.rows = EDRows->value();
    l.columns = EDCols->value();
    return l;
}

void TLabelPrintFm::BtnPrintClick()
{
    const QList<LabelSheet::Label> chosen = checkedLabels();
    if (chosen.isEmpty()) {
        Msg::error(this, tr("请选择要打印标签的影碟！"));
        LbCopies->setFocus();
        return;
    }
    QStringList refused;
    const ReportDocument doc = LabelSheet::document(chosen, layout(), &refused);
    if (!refused.isEmpty())
        Msg::error(this, tr("以下影碟不能打印条码：\n%1").arg(refused.join(u'\n')));
    if (doc.isEmpty())
        return;
    const ReportPrintOutcome outcome = ReportPrinter::print(doc);
    showStatusNotice(outcome.message);
    if (!outcome.ok) {
        Msg::error(this, outcome.message);
        return;
    }
    accept();
}

void ShowLabelPrint(const QList<LabelSheet::Label> &labels, const QList<int> &checkedRows,
                    QWidget *parent)
{
    TLabelPrintFm dialog(labels, checkedRows, parent);
    dialog.exec();
}
