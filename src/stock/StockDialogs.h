#pragma once

#include <QtGlobal>

class AccountContext;

class QWidget;

// The stock list's dialogs: each is created, shown modally and freed; the caller re-reads
// its list afterwards.

// Title entry ("库存影片编辑"): films typed once with their number of copies, written in one
// batch by "保存/新添" or "保存/退出".
void ShowRepertoryDetailFm(AccountContext &account, QWidget *parent = nullptr);

// Title editing ("影片资料修改") of the copy row with this TBName.ID.
void ShowRepertoryDetailEditFm(AccountContext &account, qint64 titleId, QWidget *parent = nullptr);
