#include "OverdueReportWindow.h"

#include "OverdueReport.h"

#include "data/AccountContext.h"
#include "toolkit/MessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

TDeferFm::TDeferFm(AccountContext &account, QWidget *parent) : TQChildFm(account, parent)
{
    setObjectName(QStringLiteral("TDeferFm"));
    setReportTitle(OverdueReport::title());

    // The strip reads "过期 [3] 天以上": the days replace the date range.
    setDateRangeVisible(false);
    setPageCountVisible(false);
    Edit1 = new QLineEdit(QStringLiteral("3"), Label1->parentWidget());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    Edit1->setAlignment(Qt::AlignRight);
    // Beside its caption, in the caption's group of the strip.
    auto *pair = qobject_cast<QHBoxLayout *>(Label1->parentWidget()->layout());
    pair->insertWidget(pair->indexOf(Label1) + 1, Edit1);
    Label1->setBuddy(Edit1);
}

void TDeferFm::BuildReport()
{
    Label1->setText(tr("过期", "before the days typed: out for more than N days"));
    Label2->setText(tr("天以上", "after the days typed"));
    Label1->show();
    Label2->show();
    const std::optional<int> days = OverdueReport::parseDays(Edit1->text());
    if (!days) {
        Msg::error(this, tr("“%1”不是有效的天数，请输入一个整数。").arg(Edit1->text().trimmed()));
        Edit1->setFocus();
        Edit1->selectAll();
        return;
    }
    if (!bindRows([&] { return OverdueReport::rows(*days, QDate::currentDate(), m_account.db()); }))
        return;
    QuickRep1 = OverdueReport::definition(heading());
    setCsvColumns(ReportCsv::overdueColumns());
    TQChildFm::BuildReport();
}
