#include "StoreChartWindow.h"

#include "data/AccountContext.h"

#include "ChartData.h"
#include "ChartLook.h"

#include "toolkit/WrapLayout.h"

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QVBoxLayout>

TQStoreCharFm::TQStoreCharFm(AccountContext &account, QWidget *parent)
    : QWidget(parent), m_account(account)
{
    setObjectName(QStringLiteral("QStoreCharFm"));
    setWindowTitle(tr("库存分析"));
    setAutoFillBackground(true);

    WrapLayout *row = nullptr;
    QWidget *strip = ChartLook::headerStrip(this, &row);
    const auto picker = [&](const char *name, const QString &text) {
        auto *edit = new QDateEdit(QDate::currentDate(), strip);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        auto *label = new QLabel(text, strip);
        label->setBuddy(edit);
        row->addGroup({label, edit});
        return edit;
    };
    dxDateEdit2 = picker("dxDateEdit2", tr("从"));
    dxDateEdit1 = picker("dxDateEdit1", tr("到"));
    FlatButton4 = new QPushButton(tr("刷新"), strip);
    FlatButton4->setObjectName(QStringLiteral("FlatButton4"));
    FlatButton4->setAutoDefault(false);
    row->addSpacing(12);
    row->addWidget(FlatButton4);
    row->addStretch();
    // The picture and CSV buttons stay together at the right end of their line.
    QLayout *outputs = row->addGroup({})->layout();
    ChartLook::addPictureButtons(
        this, outputs, [this] { return ChartLook::pictureOf(Chart1); }, tr("库存分析图"));
    ChartLook::addCsvButton(
        this, outputs, [this] { return ChartCsv::slices(m_slices, tr("影片类型"), tr("库存数量")); },
        tr("库存分析"));

    Chart1 = ChartLook::pieView(tr("库存分析图"), 19, this, &Series1);
    QFont title = Chart1->chart()->titleFont();
    title.setBold(true);
    Chart1->chart()->setTitleFont(title);
    Chart1->chart()->setTitleBrush(Qt::blue);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(Chart1, 1);
    // While the chart is hidden (no data) the strip stays at the top.
    layout->addStretch(0);

    connect(FlatButton4, &QPushButton::clicked, this, &TQStoreCharFm::Draw);
}

void TQStoreCharFm::Draw()
{
    m_slices = ChartLook::drawPie(
        this, Chart1, Series1, [this] { return Charts::stockSlices(m_account.db()); },
        tr("库存数据读取失败！"));
}
