#pragma once

#include <QtGlobal>

class AccountContext;

class QWidget;

// The sale window: saleId <= 0 for a new sale, otherwise the TBBusinessDetail.ID of the sale
// line to correct. Created, shown modally and freed; when it closes, however it closes, the
// sales list re-reads its lines.
void ShowSellFm(AccountContext &account, qint64 saleId, QWidget *parent = nullptr);
