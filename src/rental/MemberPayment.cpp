#include "MemberPayment.h"

#include "MemberPaymentWindow.h"

bool EditMemberPayment(QDate &date, Money &amount, QString &remark, QWidget *parent)
{
    TASSmoneyFm dlg(parent);
    dlg.load(date, amount, remark);
    dlg.exec();
    if (!dlg.confirmed())
        return false;
    date = dlg.date();
    amount = dlg.amount();
    remark = dlg.remark();
    return true;
}
