#include "LeaseWindow.h"

#include "CounterLookup.h"
#include "LeaseCompletion.h"
#include "LeaseList.h"
#include "LeaseTexts.h"
#include "PickLists.h"
#include "RentRule.h"
#include "Settlement.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace Lease;

namespace {

QString noLimit()
{
    return QCoreApplication::translate("TLeaseFm", "无限制");
}

QString walkIn()
{
    return QCoreApplication::translate("TLeaseFm", "零租客户");
}

const QString kZero = QStringLiteral("0.00");

bool isEnter(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Guards against a handler starting again while it shows a message box.
class BusyGuard
{
public:
    explicit BusyGuard(bool &flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~BusyGuard() { m_flag = m_was; }

private:
    bool &m_flag;
    bool m_was;
};

} // namespace

TLeaseFm::TLeaseFm(AccountContext &account, QWidget *parent)
    : TBaseDlgFM(parent), m_account(account)
{
    setObjectName(QStringLiteral("TLeaseFm"));
    buildLayout();

    connect(BtnAdd, &QPushButton::clicked, this, &TLeaseFm::AddItem);
    connect(BtnDel, &QPushButton::clicked, this, &TLeaseFm::BtnDelClick);
    connect(BtnSave, &QPushButton::clicked, this, &TLeaseFm::BtnSaveClick);
    connect(BtnFindPer, &QToolButton::clicked, this, &TLeaseFm::BtnFindPerClick);
    connect(BtnSearch, &QToolButton::clicked, this, &TLeaseFm::BtnSearchClick);
    // A changed text must be looked up again when the field is left.
    connect(EdPer, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_lookedUpMember.clear();
        // An emptied member number is the walk-in customer again, at once.
        if (text.trimmed().isEmpty() && FMemberID != 0)
            clearCustomer();
    });
    connect(EDPic, &QLineEdit::textChanged, this, [this] { m_lookedUpTitle.clear(); });
    connect(dxDBGrid2, &DataGrid::currentRowChanged, this, &TLeaseFm::updateButtons);
    connect(dxDBGrid1, &DataGrid::rowActivated, this, &TLeaseFm::takeBackFromList);
    connect(EDYJ, &QLineEdit::textChanged, this, &TLeaseFm::explainTotals);
    connect(EDZJ, &QLineEdit::textChanged, this, &TLeaseFm::explainTotals);
    prepare(0);
}

TLeaseFm::~TLeaseFm() = default;

void TLeaseFm::prepare(int mode)
{
    FMode = mode == 0 ? 0 : 1;
    // Read by the help (F1): the caption is translated, the mode is not.
    setProperty("leaseMode", FMode);
    if (FMode == 1) {
        setWindowTitle(tr("影碟归还（按ESC键关闭窗口）"));
        Label23->setText(tr("影片归还数据录入"));
        Label19->clear();
    } else {
        setWindowTitle(tr("影碟出租（按ESC键关闭窗口）"));
        Label23->setText(tr("影片出租数据录入"));
    }
    Label19Caption->setVisible(FMode != 0);
    Label19->setVisible(FMode != 0);
    for (const char *field : {"Days", "Charge", "DaysLate"})
        dxDBGrid2->setColumnVisible(QLatin1String(field), FMode != 0);
    explainTotals();
}

Mode TLeaseFm::mode() const
{
    return FMode == 0 ? Mode::RentOut : Mode::TakeBack;
}

void TLeaseFm::showEvent(QShowEvent *event)
{
    TBaseDlgFM::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TLeaseFm::FormShow()
{
    ResetEntry();
    m_items.clear();
    m_seqs.clear();
    m_found.reset();
    showItems(0);
    Label19Caption->setVisible(FMode != 0);
    Label19->setVisible(FMode != 0);
    FMemberID = 0;
    EDPic->setFocus();
}

void TLeaseFm::ResetEntry()
{
    for (QLabel *l : {Label9, Label10, Label11, Label12, Label13, Label14})
        l->clear();
    Label20->setText(walkIn());
    Label21->setText(noLimit());
    Label22->setText(noLimit());
    for (QLineEdit *e : {EDYJ, EDZJ, EDBeYJ, EDBeZj})
        e->setText(kZero);
    EdPer->clear();
    Label19->clear();
}

// ---------------------------------------------------------------------------------------------
// Keys

bool TLeaseFm::keyStep(QKeyEvent *event)
{
    QWidget *focus = QApplication::focusWidget();
    if (event->key() == Qt::Key_F12) {
        BtnSaveClick(); // also while the button is disabled: it says why nothing happens
        return true;
    }
    if (!isEnter(event))
        m_swallowNextEnter = false;
    if (event->key() == Qt::Key_F2 && (focus == EDPic || focus == EdPer)) {
        if (focus == EDPic)
            BtnSearchClick();
        else
            BtnFindPerClick();
        return true;
    }
    if (isEnter(event) && focus && (focus == dxDBGrid1 || dxDBGrid1->isAncestorOf(focus))) {
        takeBackFromList();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        if (m_items.isEmpty())
            reject();
        else
            BtnDelClick();
        return true;
    }
    if (isEnter(event) && focus == EdPer && !EdPer->text().trimmed().isEmpty()) {
        LookupMember();
        return true;
    }
    if (isEnter(event) && focus == EDPic) {
        if (!EDPic->text().trimmed().isEmpty()) {
            LookupTitle(true);
            return true;
        }
        if (m_swallowNextEnter) {
            // The habit of confirming with a second Enter: the disc is already in the list.
            m_swallowNextEnter = false;
            return true;
        }
    }
    return TBaseDlgFM::keyStep(event);
}

bool TLeaseFm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == EdPer || watched == EDPic)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // A message box or another window taking the focus is not the operator leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            QObject *field = watched;
            QTimer::singleShot(0, this, [this, field] { fieldLeft(field); });
        }
    }
    return TBaseDlgFM::eventFilter(watched, event);
}

void TLeaseFm::fieldLeft(QObject *field)
{
    if (m_busy || !isVisible())
        return;
    if (field == EdPer) {
        const QString text = EdPer->text().trimmed();
        if (!text.isEmpty() && text != m_lookedUpMember)
            LookupMember();
    } else if (field == EDPic) {
        const QString text = EDPic->text().trimmed();
        if (!text.isEmpty() && text != m_lookedUpTitle)
            LookupTitle(false);
    }
}

void TLeaseFm::refuse(const QString &text, QLineEdit *field)
{
    Msg::error(this, text);
    if (field) {
        field->setFocus();
        field->selectAll();
    }
}

// ---------------------------------------------------------------------------------------------
// Lookups

bool TLeaseFm::LookupMember()
{
    const QString num = EdPer->text().trimmed();
    if (num.isEmpty() || m_busy)
        return false;
    BusyGuard busy(m_busy);
    std::optional<Member> member;
    try {
        member = lookupMember(m_account.db(), num, QDate::currentDate());
    } catch (const Db::DbError &e) {
        refuse(e.message(), EdPer);
        return false;
    }
    if (!member) {
        refuse(tr("客户编码不存在,请检查!"), EdPer);
        return false;
    }
    m_lookedUpMember = num;
    m_member = member;
    Label20->setText(tr("会  员"));
    Label21->setText(member->allowanceApplies() ? QString::number(member->sum) : noLimit());
    FMemberID = member->id;
    Label22->setText(member->sdt.isValid() && member->sdt != noEndDate()
                         ? SqlDialect::dateText(member->sdt)
                         : noLimit());
    if (member->expired)
        Label22->setText(Label22->text() + tr("（已到期）"));
    showOpenRentals(member->openRentals);
    LabelOverdue->setText(memberNotice(*member));
    EDBeYJ->setText(member->depositHeld.toString());
    EDBeZj->setText(member->rentSoFar.toString());
    EDPic->setFocus();
    EDPic->selectAll();
    return true;
}

bool TLeaseFm::LookupTitle(bool addWhenFound)
{
    const QString code = EDPic->text().trimmed();
    if (code.isEmpty() || m_busy)
        return false;
    std::optional<CopyInfo> copy;
    {
        BusyGuard busy(m_busy);
        try {
            copy = mode() == Mode::RentOut ? findCopyForRent(m_account.db(), code)
                                           : findCopyForReturn(m_account.db(), code);
        } catch (const Db::DbError &e) {
            m_found.reset();
            refuse(e.message(), EDPic);
            return false;
        }
        if (!copy) {
            m_found.reset();
            refuse(mode() == Mode::RentOut ? tr("影片已出租或影片编码不存在,请检查!")
                                           : tr("影片影片编码不存在或没有出租记录,请检查!"),
                   EDPic);
            return false;
        }
    }
    m_lookedUpTitle = code;
    showFoundTitle(*copy);
    if (mode() == Mode::TakeBack) {
        BusyGuard busy(m_busy);
        if (!confirmOtherRenter(*copy)) {
            m_found.reset();
            EDPic->setFocus();
            EDPic->selectAll();
            return false;
        }
    }
    m_found = copy;
    if (addWhenFound)
        AddItem();
    else
        BtnAdd->setFocus();
    return true;
}

void TLeaseFm::clearCustomer()
{
    FMemberID = 0;
    m_member.reset();
    m_lookedUpMember.clear();
    Label20->setText(walkIn());
    Label21->setText(noLimit());
    Label22->setText(noLimit());
    EDBeYJ->setText(kZero);
    EDBeZj->setText(kZero);
    LabelOverdue->clear();
    showOpenRentals({});
}

void TLeaseFm::explainTotals()
{
    const std::optional<Money> deposit = completedTotal(EDYJ->text());
    const std::optional<Money> rent = completedTotal(EDZJ->text());
    LabelSettle->setText(m_items.isEmpty() || !deposit || !rent
                             ? QString()
                             : totalsExplained(mode(), *deposit, *rent));
}

// Taking back: the disc of the member's list the operator picked comes back.
void TLeaseFm::takeBackFromList()
{
    if (FMode == 0 || m_busy || !dxDBGrid1->hasCurrentRow())
        return;
    const qint64 line = dxDBGrid1->value(QStringLiteral("LineID")).toLongLong();
    std::optional<CopyInfo> copy;
    try {
        copy = findOpenLine(m_account.db(), line);
    } catch (const Db::DbError &e) {
        refuse(e.message(), EDPic);
        return;
    }
    if (!copy) {
        refuse(tr("影片影片编码不存在或没有出租记录,请检查!"), EDPic);
        return;
    }
    showFoundTitle(*copy);
    m_found = copy;
    AddItem();
}

// The customer shown is the one the member number names: a number changed since its lookup is
// looked up now, an emptied one is the walk-in customer.
bool TLeaseFm::customerUpToDate()
{
    const QString num = EdPer->text().trimmed();
    if (num.isEmpty()) {
        if (FMemberID != 0)
            clearCustomer();
        return true;
    }
    if (num == m_lookedUpMember && FMemberID != 0)
        return true;
    return LookupMember();
}

// Taking back a disc someone else rented while a member is named: the operator sees whose disc
// it is; its money is booked to that renter.
bool TLeaseFm::confirmOtherRenter(const CopyInfo &copy)
{
    if (FMemberID == 0 || copy.renter == FMemberID)
        return true;
    QString renter =
        copy.renter == Schema::WalkInCustomerId ? walkIn() : tr("编号为%1的客户").arg(copy.renter);
    try {
        const auto member = MemberRow::find(m_account.db(), copy.renter);
        if (member && copy.renter != Schema::WalkInCustomerId)
            renter = tr("会员%1 %2").arg(member->num, member->name).trimmed();
    } catch (const Db::DbError &e) {
        // Named by ID: the question is still asked.
        Db::logSkipped(e, "the renter is named by ID");
    }
    const QString text = tr("影片【%1】（编码 %2）是%3租的，不是当前客户的。\n"
                            "确认归还吗？它的租金和押金记在%3名下。")
                             .arg(copy.name, copy.customNum, renter);
    return Msg::askYesNo(this, text, Msg::SystemCaption, Msg::Icon::Question) == QMessageBox::Yes;
}

// Renting to a member with an allowance: one disc more than he has left is refused at the scan.
bool TLeaseFm::overAllowance()
{
    if (mode() != Mode::RentOut || !m_member || !m_member->allowanceApplies() ||
        m_items.size() < m_member->sum)
        return false;
    Msg::Request r;
    r.parent = this;
    r.text = tr("会员租借数量还剩%1本次租碟数已超出！").arg(m_member->sum);
    r.icon = Msg::Icon::Warning;
    Msg::show(r);
    EDPic->setFocus();
    EDPic->selectAll();
    return true;
}

void TLeaseFm::showFoundTitle(const CopyInfo &copy)
{
    Label9->setText(copy.name);
    Label10->setText(copy.direct);
    Label11->setText(copy.ver);
    Label12->setText(copy.nlang);
    Label13->setText(copy.actRole);
    Label14->setText(copy.categray);
    if (FMode != 0)
        Label19->setText(SqlDialect::dateText(copy.rentedOn));
}

void TLeaseFm::BtnFindPerClick()
{
    EdPer->setText(SelectMember(m_account, this));
    activateWindow(); // the pick list is gone: keys belong to this window again
    EdPer->setFocus();
}

void TLeaseFm::BtnSearchClick()
{
    EDPic->setText(SelectTitle(
        m_account, this, mode() == Mode::RentOut ? TitleChoice::Available : TitleChoice::Out));
    activateWindow();
    EDPic->setFocus();
}

// ---------------------------------------------------------------------------------------------
// The item list

void TLeaseFm::AddItem()
{
    if (m_busy)
        return;
    // A code typed but not yet looked up (添加 clicked straight from the field) is added.
    if (!m_found && !EDPic->text().trimmed().isEmpty() &&
        EDPic->text().trimmed() != m_lookedUpTitle) {
        LookupTitle(true);
        return;
    }
    BusyGuard busy(m_busy);
    if (!m_found) {
        refuse(tr("请输入影片编号！"), EDPic);
        return;
    }
    const CopyInfo copy = *m_found;
    for (const Item &i : std::as_const(m_items)) {
        if (i.copy.id == copy.id) {
            // One physical disc cannot be rented or returned twice in one transaction.
            m_found.reset();
            refuse(tr("影片%1已在本次列表中，同一张影碟不能重复添加！").arg(copy.customNum), EDPic);
            return;
        }
    }
    if (overAllowance())
        return;
    std::optional<Item> item;
    try {
        item = makeItem(m_account.db(), copy, mode(), RentRule::isRentPerDisc(m_account.db()),
                        QDate::currentDate());
    } catch (const Db::DbError &e) {
        refuse(e.message(), EDPic);
        return;
    }
    if (item && mode() == Mode::TakeBack) {
        try {
            item->daysLate = RentRule::daysLate(
                RentRule::dueDate(copy.rentedOn, RentRule::overdueDays(m_account.db())),
                QDate::currentDate());
        } catch (const Db::DbError &e) {
            item->daysLate = 0; // only shown; the money does not depend on it
            Db::logSkipped(e, "the days late are shown as 0");
        }
    }
    if (!item) {
        // The fee class was removed since the lookup: the copy can no longer be priced.
        m_found.reset();
        refuse(mode() == Mode::RentOut ? tr("影片已出租或影片编码不存在,请检查!")
                                       : tr("影片影片编码不存在或没有出租记录,请检查!"),
               EDPic);
        return;
    }
    // Totals the operator emptied or garbled are not computed with: say so, add nothing.
    const std::optional<QString> deposit = adjustedTotal(EDYJ->text(), item->addedDeposit);
    if (!deposit) {
        refuse(tr("押金输入有错误，请检查！"), EDYJ);
        return;
    }
    const std::optional<QString> rent = adjustedTotal(EDZJ->text(), item->addedRent);
    if (!rent) {
        refuse(tr("租金输入有错误，请检查！"), EDZJ);
        return;
    }
    EDYJ->setText(*deposit);
    EDZJ->setText(*rent);
    m_items << *item;
    const qint64 seq = m_nextSeq++;
    m_seqs << seq;
    m_found.reset();
    showItems(seq);
    EDPic->setFocus();
    EDPic->clear();
    m_swallowNextEnter = true;
}

void TLeaseFm::BtnDelClick()
{
    if (m_items.isEmpty() || m_busy)
        return;
    BusyGuard busy(m_busy);
    const int index = m_seqs.indexOf(dxDBGrid2->value(QStringLiteral("Seq")).toLongLong());
    if (index < 0)
        return;
    const Item &item = m_items.at(index);
    // What adding the row put on comes off again, so add-then-remove leaves the totals.
    const std::optional<QString> deposit = adjustedTotal(EDYJ->text(), -item.addedDeposit);
    if (!deposit) {
        refuse(tr("押金输入有错误，请检查！"), EDYJ);
        return;
    }
    const std::optional<QString> rent = adjustedTotal(EDZJ->text(), -item.addedRent);
    if (!rent) {
        refuse(tr("租金输入有错误，请检查！"), EDZJ);
        return;
    }
    EDYJ->setText(*deposit);
    EDZJ->setText(*rent);
    const int position = dxDBGrid2->currentPosition();
    m_items.removeAt(index);
    m_seqs.removeAt(index);
    showItems(0);
    if (!m_items.isEmpty())
        dxDBGrid2->setCurrentPosition(std::min<int>(position, int(m_items.size()) - 1));
    EDPic->setFocus();
    EDPic->selectAll();
}

void TLeaseFm::showItems(qint64 currentSeq)
{
    static const QStringList fields = {
        QStringLiteral("Seq"),      QStringLiteral("CDNum"),   QStringLiteral("CustomNum"),
        QStringLiteral("Name"),     QStringLiteral("NLang"),   QStringLiteral("Ver"),
        QStringLiteral("Categray"), QStringLiteral("Direct"),  QStringLiteral("ActRole"),
        QStringLiteral("Address1"), QStringLiteral("Deposit"), QStringLiteral("RMoney"),
        QStringLiteral("Days"),     QStringLiteral("Charge"),  QStringLiteral("DaysLate")};
    QList<QVariantList> rows;
    for (int i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items.at(i);
        const CopyInfo &c = item.copy;
        rows << QVariantList{m_seqs.at(i),
                             c.id,
                             c.customNum,
                             c.name,
                             c.nlang,
                             c.ver,
                             c.categray,
                             c.direct,
                             c.actRole,
                             c.address1,
                             item.addedDeposit.cents(),
                             c.rmoney.cents(),
                             item.days,
                             item.addedRent.cents(),
                             item.daysLate};
    }
    dxDBGrid2->setRows(fields, rows);
    if (currentSeq != 0)
        dxDBGrid2->locateValue(QStringLiteral("Seq"), currentSeq);
    updateButtons();
    explainTotals();
}

void TLeaseFm::showOpenRentals(const QList<OpenRental> &rentals)
{
    static const QStringList fields = {
        QStringLiteral("LineID"),   QStringLiteral("DatTime"), QStringLiteral("CustomNum"),
        QStringLiteral("Name"),     QStringLiteral("Direct"),  QStringLiteral("ActRole"),
        QStringLiteral("Address1"), QStringLiteral("Due"),     QStringLiteral("DaysLate")};
    QList<QVariantList> rows;
    for (const OpenRental &r : rentals) {
        rows << QVariantList{
            r.lineId,   SqlDialect::dateText(r.rentedOn), r.customNum, r.name, r.direct, r.actRole,
            r.address1, SqlDialect::dateText(r.due),      r.daysLate};
    }
    dxDBGrid1->setRows(fields, rows);
}

void TLeaseFm::updateButtons()
{
    const bool any = !m_items.isEmpty();
    BtnDel->setEnabled(any);
    BtnSave->setEnabled(any);
}

// ---------------------------------------------------------------------------------------------
// Completing

void TLeaseFm::BtnSaveClick()
{
    if (m_busy)
        return;
    BusyGuard busy(m_busy);
    if (m_items.isEmpty()) {
        Msg::error(this, tr("出租列表不能为空!"));
        return;
    }
    {
        // The lookup shows its own message; the busy flag would stop it from running.
        m_busy = false;
        const bool current = customerUpToDate();
        m_busy = true;
        if (!current)
            return;
    }
    const std::optional<Money> deposit = completedTotal(EDYJ->text());
    if (!deposit) {
        refuse(tr("押金输入有错误，请检查！"), EDYJ);
        return;
    }
    const std::optional<Money> rent = completedTotal(EDZJ->text());
    if (!rent) {
        refuse(tr("租金输入有错误，请检查！"), EDZJ);
        return;
    }

    Completion c;
    c.mode = mode();
    c.memberId = FMemberID;
    c.items = m_items;
    c.depositTotal = *deposit;
    c.rentTotal = *rent;
    c.operatorId = m_account.operatorId();
    c.now = QDateTime::currentDateTime();
    std::optional<Result> o;
    try {
        o = complete(m_account.db(), c);
    } catch (const Db::DbError &e) {
        // What went wrong (a full disk, a read-only file, another program holding the
        // account); the list stays as it was, so the operator can try again.
        if (e.fault() != Db::Fault::Other)
            Msg::fault(this, e);
        else
            Msg::show({this, Msg::SystemCaption, tr("数据保存错误!"), Msg::Icon::Error,
                       QMessageBox::Ok, QMessageBox::Ok, e.details()});
        return;
    }
    if (!o->done()) {
        showRefusal(o->refusal());
        return;
    }

    const int n = int(m_items.size());
    const QString summary = mode() == Mode::RentOut ? rentalSummary(n, *deposit, *rent)
                                                    : returnSummary(n, *deposit, *rent);
    Receipt::Content receipt;
    try {
        receipt = Receipt::leaseContent(m_account.db(), mode(), o->value(),
                                        RentRule::isRentPerDisc(m_account.db()),
                                        RentRule::overdueDays(m_account.db()));
    } catch (const Db::DbError &e) {
        // Written and committed: the prompt still shows the figures, the receipt has no rows.
        Msg::fault(this, e, tr("单据数据读取失败："));
    }
    ShowSettlement(m_account, summary, receipt, this);
    afterCompletion();
}

void TLeaseFm::showRefusal(const Db::Refusal &r)
{
    switch (r.reason) {
    case Db::Refusal::Reason::AllowanceExceeded: {
        Msg::Request box;
        box.parent = this;
        box.text = tr("会员租借数量还剩%1本次租碟数已超出！").arg(r.allowanceLeft);
        box.icon = Msg::Icon::Warning;
        Msg::show(box);
        return;
    }
    case Db::Refusal::Reason::NotAvailable:
    case Db::Refusal::Reason::NotInStock:
        Msg::error(this, mode() == Mode::RentOut
                             ? tr("影片%1已被出租或售出，请从本次列表中删除！").arg(r.code)
                             : tr("影片%1已经归还，请从本次列表中删除！").arg(r.code));
        return;
    case Db::Refusal::Reason::DuplicateCopy:
        Msg::error(this, tr("影片%1已在本次列表中，同一张影碟不能重复添加！").arg(r.code));
        return;
    case Db::Refusal::Reason::EmptyList:
        Msg::error(this, tr("出租列表不能为空!"));
        return;
    }
}

void TLeaseFm::afterCompletion()
{
    update();
    m_items.clear();
    m_seqs.clear();
    m_found.reset();
    showItems(0);
    RefreshLeaseList();
    ResetEntry();
    clearCustomer();
    m_lookedUpTitle.clear();
    // Back to the counter window, ready for the next customer's first code.
    activateWindow();
    EDPic->setFocus();
    EDPic->selectAll();
}
