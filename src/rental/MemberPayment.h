#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>

class QWidget;

// "会员交费": enter or correct one payment of a member. The dialog reads and writes no table;
// the caller stores the result (an income record of type 9).
//
// In:  amount 0 means a new payment: the dialog opens with today's date and empty fields.
//      Otherwise it opens with date, amount (shortest form: 50, 12.5) and remark.
// Out: true when the operator confirmed with "确定"; then date (no time of day), amount and
//      remark hold what was entered. false otherwise, and the three arguments are unchanged.
bool EditMemberPayment(QDate &date, Money &amount, QString &remark, QWidget *parent = nullptr);
