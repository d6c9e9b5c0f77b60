#pragma once

#include <QtGlobal>

class AccountContext;

class QWidget;

// The income and expense entry dialog: mode negative for a new record, otherwise the FID of
// the record to correct. Created, shown modally and freed; when it closes the income and
// expense list re-reads its rows.
void ShowInOutMoneyDialog(AccountContext &account, qint64 mode, QWidget *parent = nullptr);
