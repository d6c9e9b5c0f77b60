#include "RankingWindow.h"

#include "data/AccountContext.h"
#include "toolkit/WrapLayout.h"

#include <QComboBox>
#include <QLabel>

TQPHFm::TQPHFm(AccountContext &account, QWidget *parent) : TQChildFm(account, parent)
{
    setObjectName(QStringLiteral("TQPHFm"));
    setPageCountVisible(false);

    auto *caption = new QLabel(tr("排行类型"), Label1->parentWidget());
    caption->setObjectName(QStringLiteral("Label3"));
    ComBcate = new QComboBox(Label1->parentWidget());
    ComBcate->setObjectName(QStringLiteral("ComBcate"));
    ComBcate->setEditable(false);
    ComBcate->addItems({RankingReport::kindCaption(RankingReport::Kind::Overall),
                        RankingReport::kindCaption(RankingReport::Kind::ByCategory)});
    ComBcate->setCurrentIndex(0);
    caption->setBuddy(ComBcate);
    strip()->insertGroup(0, {caption, ComBcate});
    strip()->insertSpacing(1, 12);
    setMode(0);
}

void TQPHFm::setMode(int mode)
{
    m_mode = mode == 1 ? RankingReport::Mode::Sales : RankingReport::Mode::Rentals;
    setReportTitle(RankingReport::title(m_mode));
}

void TQPHFm::BuildReport()
{
    const auto kind = ComBcate->currentIndex() == 1 ? RankingReport::Kind::ByCategory
                                                    : RankingReport::Kind::Overall;
    if (!orderDateRange())
        return;
    const QDate from = fromDate();
    const QDate to = toDate();
    if (!bindRows([&] { return RankingReport::rows(m_mode, kind, from, to, m_account.db()); }))
        return;
    QuickRep1 = RankingReport::definition(m_mode, kind, heading());
    setCsvColumns(ReportCsv::rankingColumns(kind == RankingReport::Kind::ByCategory,
                                            RankingReport::quantityCaption(m_mode)));
    TQChildFm::BuildReport();
}
