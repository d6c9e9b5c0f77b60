#include "LeaseChartWindow.h"

#include "data/AccountContext.h"

#include "ChartData.h"
#include "ChartLook.h"

#include "toolkit/MessageBox.h"
#include "toolkit/ReportPeriod.h"
#include "toolkit/ReportPeriodBox.h"
#include "toolkit/WrapLayout.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateEdit *datePicker(const char *name, QWidget *parent)
{
    auto *edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return edit;
}

QLabel *caption(const QString &text, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

} // namespace

TLeaseCharFm::TLeaseCharFm(AccountContext &account, QWidget *parent)
    : QWidget(parent), m_account(account)
{
    setObjectName(QStringLiteral("LeaseCharFm"));
    setWindowTitle(tr("租赁分析"));
    setAutoFillBackground(true);

    DTPBegin = datePicker("DTPBegin", this);
    DTPend = datePicker("DTPend", this);
    ComBCate = new QComboBox(this);
    ComBCate->setObjectName(QStringLiteral("ComBCate"));
    ComBCate->addItems({tr("按影片名称"), tr("按影片类型")});
    FlatButton4 = new QPushButton(tr("刷新"), this);
    FlatButton4->setObjectName(QStringLiteral("FlatButton4"));
    FlatButton4->setAutoDefault(false);

    WrapLayout *row = nullptr;
    QWidget *strip = ChartLook::headerStrip(this, &row);
    // Each caption with its field: on a narrow window they go to the next line together.
    row->addWidget(periodPresetBox(strip, DTPBegin, DTPend));
    row->addGroup({caption(tr("从"), DTPBegin, strip), DTPBegin});
    row->addGroup({caption(tr("到"), DTPend, strip), DTPend});
    row->addSpacing(12);
    row->addGroup({caption(tr("统计方式"), ComBCate, strip), ComBCate});
    row->addWidget(FlatButton4);
    row->addSpacing(12);
    // The same lines as the rental ranking: sales are counted in the sales ranking.
    auto *rentalsOnly = new QLabel(tr("只计出租，不含销售"), strip);
    rentalsOnly->setObjectName(QStringLiteral("LabelRentalsOnly"));
    row->addWidget(rentalsOnly);
    row->addStretch();
    // The picture and CSV buttons stay together at the right end of their line.
    QLayout *outputs = row->addGroup({})->layout();
    ChartLook::addPictureButtons(
        this, outputs, [this] { return ChartLook::pictureOf(Chart1); }, tr("租赁分析图"));
    ChartLook::addCsvButton(
        this, outputs,
        [this] {
            return ChartCsv::slices(m_slices, m_byCategory ? tr("影片类型") : tr("影片名称"),
                                    tr("出租数量"));
        },
        tr("租赁分析"));

    Chart1 = ChartLook::pieView(tr("租赁分析图"), 19, this, &Series1);
    Chart1->chart()->setTitleBrush(Qt::black);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(Chart1, 1);
    // While the chart is hidden (no data) the strip stays at the top.
    layout->addStretch(0);

    connect(FlatButton4, &QPushButton::clicked, this, &TLeaseCharFm::Draw);
    // A change of the grouping redraws at once; a change of a date waits for 刷新.
    connect(ComBCate, &QComboBox::currentIndexChanged, this, &TLeaseCharFm::Draw);
}

void TLeaseCharFm::Draw()
{
    const auto grouping = ComBCate->currentIndex() == 1 ? Charts::LeaseGrouping::ByCategory
                                                        : Charts::LeaseGrouping::ByTitle;
    QDate from = DTPBegin->date(), to = DTPend->date();
    if (ReportPeriod::putInOrder(from, to)) {
        // A range typed the wrong way round is turned round, and the window says so.
        DTPBegin->setDate(from);
        DTPend->setDate(to);
        Msg::info(this, ReportPeriod::swappedNotice(from, to));
    }
    m_byCategory = grouping == Charts::LeaseGrouping::ByCategory;
    m_slices = ChartLook::drawPie(
        this, Chart1, Series1,
        [&] { return Charts::leaseSlices(m_account.db(), from, to, grouping); },
        tr("租赁数据读取失败！"));
}
