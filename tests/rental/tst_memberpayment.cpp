#include "RentalTestKeys.h"

#include "rental/MemberPayment.h"
#include "rental/MemberPaymentWindow.h"

#include "shell/BaseWindows.h"
#include "support/RecordingPresenter.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using RentalTest::key;
using RentalTest::type;
using RentalTest::whenModal;

class tst_MemberPayment : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void opensWithTheCallersValues_data();
    void opensWithTheCallersValues();
    void confirmByKeysReturnsWhatWasTyped();
    void cancelOrEscLeavesTheCallersValues_data();
    void cancelOrEscLeavesTheCallersValues();
    void unreadableAmountIsRefused_data();
    void unreadableAmountIsRefused();
    void fieldsAreNamedByTheirCaptions();
};

void tst_MemberPayment::initTestCase()
{
    applyCommonLook();
}

void tst_MemberPayment::opensWithTheCallersValues_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QDate>("shownDate");
    QTest::addColumn<QString>("shownAmount");
    QTest::addColumn<QString>("shownRemark");
    const QDate today = QDate::currentDate();
    QTest::newRow("new payment") << qint64(0) << today << ""
                                 << "";
    QTest::newRow("correcting 30.5") << qint64(3050) << QDate(2024, 3, 8) << "30.5"
                                     << "年费";
    QTest::newRow("correcting 50") << qint64(5000) << QDate(2024, 3, 8) << "50"
                                   << "年费";
}

void tst_MemberPayment::opensWithTheCallersValues()
{
    QFETCH(qint64, cents);
    QFETCH(QDate, shownDate);
    QFETCH(QString, shownAmount);
    QFETCH(QString, shownRemark);
    QDate date(2024, 3, 8);
    Money amount = Money::fromCents(cents);
    QString remark = QStringLiteral("年费");
    QDate seenDate;
    QString seenAmount, seenRemark;
    whenModal<TASSmoneyFm>([&](TASSmoneyFm *dlg) {
        seenDate = dlg->DTPSDate->date();
        seenAmount = dlg->EDSMoney->text();
        seenRemark = dlg->EDRemark->text();
        key(dlg, Qt::Key_Escape);
    });
    QCOMPARE(EditMemberPayment(date, amount, remark), false);
    QCOMPARE(seenDate, shownDate);
    QCOMPARE(seenAmount, shownAmount);
    QCOMPARE(seenRemark, shownRemark);
}

void tst_MemberPayment::confirmByKeysReturnsWhatWasTyped()
{
    RecordingPresenter boxes;
    QDate date(2024, 3, 8);
    Money amount = Money::fromCents(3050);
    QString remark = QStringLiteral("年费");
    whenModal<TASSmoneyFm>([&](TASSmoneyFm *dlg) {
        dlg->DTPSDate->setDate(QDate(2024, 4, 1));
        key(dlg, Qt::Key_Return); // date -> amount
        QCOMPARE(QApplication::focusWidget(), dlg->EDSMoney);
        dlg->EDSMoney->selectAll();
        type(dlg, QStringLiteral("45.5"));
        key(dlg, Qt::Key_Return); // amount -> remark
        dlg->EDRemark->selectAll();
        type(dlg, QStringLiteral("续费半年"));
        key(dlg, Qt::Key_Return); // remark -> 确定
        QCOMPARE(QApplication::focusWidget(), dlg->Btnok);
        key(dlg, Qt::Key_Return); // presses 确定
    });
    QCOMPARE(EditMemberPayment(date, amount, remark), true);
    QCOMPARE(date, QDate(2024, 4, 1));
    QCOMPARE(amount, Money::fromCents(4550));
    QCOMPARE(remark, QStringLiteral("续费半年"));
    QVERIFY(boxes.shown.isEmpty());
}

void tst_MemberPayment::cancelOrEscLeavesTheCallersValues_data()
{
    QTest::addColumn<bool>("byEsc");
    QTest::newRow("取消") << false;
    QTest::newRow("Esc") << true;
}

void tst_MemberPayment::cancelOrEscLeavesTheCallersValues()
{
    QFETCH(bool, byEsc);
    QDate date(2024, 3, 8);
    Money amount = Money::fromCents(3050);
    QString remark = QStringLiteral("年费");
    whenModal<TASSmoneyFm>([&](TASSmoneyFm *dlg) {
        dlg->EDSMoney->setFocus();
        dlg->EDSMoney->selectAll();
        type(dlg, QStringLiteral("99"));
        if (byEsc)
            key(dlg, Qt::Key_Escape);
        else
            dlg->BtnClose->click();
    });
    QCOMPARE(EditMemberPayment(date, amount, remark), false);
    QCOMPARE(date, QDate(2024, 3, 8));
    QCOMPARE(amount, Money::fromCents(3050));
    QCOMPARE(remark, QStringLiteral("年费"));
}

void tst_MemberPayment::unreadableAmountIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters") << "abc"
                             << "会员交费金额输入有错，请检查！";
    QTest::newRow("two points") << "1.2.3"
                                << "会员交费金额输入有错，请检查！";
    QTest::newRow("empty") << ""
                           << "请输入会员交费金额！";
    QTest::newRow("blanks only") << "  "
                                 << "请输入会员交费金额！";
}

void tst_MemberPayment::unreadableAmountIsRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    RecordingPresenter boxes;
    QDate date;
    Money amount;
    QString remark;
    bool stayedOpen = false;
    QString selected;
    whenModal<TASSmoneyFm>([&](TASSmoneyFm *dlg) {
        dlg->EDSMoney->setFocus();
        type(dlg, typed);
        dlg->Btnok->click();
        stayedOpen = dlg->isVisible();
        selected = dlg->EDSMoney->selectedText();
        QCOMPARE(QApplication::focusWidget(), dlg->EDSMoney);
        dlg->BtnClose->click();
    });
    QCOMPARE(EditMemberPayment(date, amount, remark), false);
    QCOMPARE(boxes.texts(), QStringList{message});
    QCOMPARE(boxes.shown.first().caption, QStringLiteral("系统提示"));
    QCOMPARE(boxes.shown.first().icon, Msg::Icon::Error);
    QVERIFY(stayedOpen);
    QCOMPARE(selected, typed);
    QVERIFY(amount.isZero());
}

void tst_MemberPayment::fieldsAreNamedByTheirCaptions()
{
    TASSmoneyFm dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("会员交费（按ESC键关闭窗口）"));
    const std::pair<QWidget *, const char *> fields[] = {
        {dlg.DTPSDate, "交费日期"}, {dlg.EDSMoney, "交费金额"}, {dlg.EDRemark, "交费说明"}};
    for (const auto &[field, caption] : fields) {
        bool named = false;
        for (QLabel *l : dlg.findChildren<QLabel *>())
            named |= l->buddy() == field && l->text() == QString::fromUtf8(caption);
        QVERIFY2(named, caption);
    }
    QCOMPARE(dlg.Btnok->text(), QStringLiteral("确定"));
    QCOMPARE(dlg.BtnClose->text(), QStringLiteral("取消"));
}

QTEST_MAIN(tst_MemberPayment)
#include "tst_memberpayment.moc"
