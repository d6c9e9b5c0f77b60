#include "StockReportWindow.h"

#include "StockReport.h"

#include "data/AccountContext.h"
#include "data/Db.h"
#include "toolkit/MessageBox.h"
#include "toolkit/WrapLayout.h"

#include <QComboBox>
#include <QLabel>

TQStoreRep::TQStoreRep(AccountContext &account, QWidget *parent) : TQChildFm(account, parent)
{
    setObjectName(QStringLiteral("TQStoreRep"));
    setReportTitle(StockReport::title());
    setDateRangeVisible(false);
    setPageCountVisible(false);

    auto *caption = new QLabel(tr("供应商"), this);
    caption->setObjectName(QStringLiteral("Label3"));
    ComProvice = new QComboBox(this);
    ComProvice->setObjectName(QStringLiteral("ComProvice"));
    ComProvice->setEditable(false);
    ComProvice->setMinimumWidth(180);
    ComProvice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    caption->setBuddy(ComProvice);
    // In front of the strip's own controls: the pickers it would have held are hidden.
    strip()->insertGroup(0, {caption, ComProvice});
    strip()->insertSpacing(1, 12);

    fillSuppliers();
}

void TQStoreRep::fillSuppliers()
{
    const QVariant chosen = ComProvice->currentData();
    QList<StockReport::Supplier> list;
    try {
        list = StockReport::suppliers(m_account.db());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    ComProvice->clear();
    ComProvice->addItem(tr("所有供应商"), QVariant());
    for (const StockReport::Supplier &s : list)
        ComProvice->addItem(s.company, s.id);
    const int again = chosen.isValid() ? ComProvice->findData(chosen) : -1;
    ComProvice->setCurrentIndex(again > 0 ? again : 0);
}

std::optional<qint64> TQStoreRep::chosenSupplier() const
{
    const QVariant id = ComProvice->currentData();
    if (ComProvice->currentIndex() <= 0 || !id.isValid())
        return std::nullopt;
    return id.toLongLong();
}

void TQStoreRep::BuildReport()
{
    const std::optional<qint64> supplier = chosenSupplier();
    if (!bindRows([&] { return StockReport::rows(m_account.db(), supplier); }))
        return;
    QuickRep1 = StockReport::definition(heading());
    setCsvColumns(ReportCsv::stockColumns());
    TQChildFm::BuildReport();
}
