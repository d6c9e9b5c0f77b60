#include "LoginWindow.h"

#include "audit/AuditLog.h"
#include "data/Collation.h"
#include "data/DataModule.h"
#include "data/Db.h"
#include "data/Password.h"
#include "data/Schema.h"
#include "toolkit/MessageBox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

bool isActiveStaff(const QSqlDatabase &db, qint64 id)
{
    return Db::scalar(QStringLiteral("SELECT 1 FROM TBPersons WHERE ID = ? "
                                     "AND (PerFlag IS NULL OR PerFlag <> ?)"),
                      {id, Schema::StaffDeleted}, db)
        .isValid();
}

} // namespace

int TLoginFm::s_failureDelayMs = 1000;

TLoginFm::TLoginFm(AccountContext &account, QWidget *parent)
    : TBaseDlgFM(parent), m_account(account)
{
    setObjectName(QStringLiteral("LoginFm"));
    setWindowTitle(tr("登陆窗口"));
    // A dialog frame without title-bar buttons: the only ways out are the two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32, 32));
    icon->setFixedSize(32, 32);

    auto *label1 = new QLabel(tr("用 户 名"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    CombUserName = new QComboBox(this);
    CombUserName->setObjectName(QStringLiteral("CombUserName"));
    CombUserName->setEditable(false);
    label1->setBuddy(CombUserName);

    auto *label2 = new QLabel(tr("登陆口令"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    EDPWD = new QLineEdit(this);
    EDPWD->setObjectName(QStringLiteral("EDPWD"));
    EDPWD->setEchoMode(QLineEdit::Password);
    EDPWD->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    label2->setBuddy(EDPWD);

    BitBtn1 = new QPushButton(tr("确定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    BitBtn2 = new QPushButton(tr("取消"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    setCancelButton(BitBtn2);

    auto *fields = new QGridLayout;
    fields->addWidget(label1, 0, 0);
    fields->addWidget(CombUserName, 0, 1);
    fields->addWidget(label2, 1, 0);
    fields->addWidget(EDPWD, 1, 1);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(fields, 1);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);

    setTabOrder(CombUserName, EDPWD);
    setTabOrder(EDPWD, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    resize(285, 111);
    setMinimumSize(285, 111);

    connect(BitBtn1, &QPushButton::clicked, this, &TLoginFm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TLoginFm::BitBtn2Click);

    LoadUserList();
    CombUserName->setFocus();
}

void TLoginFm::LoadUserList()
{
    struct Entry
    {
        QString name;
        qint64 id;
    };
    QList<Entry> entries;
    try {
        // Staff deleted on the staff page keep their row for the history, but are not offered.
        QSqlQuery q = Db::exec(QStringLiteral("SELECT ID, Name FROM TBPersons "
                                              "WHERE PerFlag IS NULL OR PerFlag <> ? ORDER BY ID"),
                               {Schema::StaffDeleted}, m_account.db());
        while (q.next())
            entries.append({Db::text(q, "Name"), Db::integer(q, "ID")});
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    // The list is in pinyin order of the names, as an operator looks for his own name.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return Collation::lessThan(a.name, b.name);
    });
    CombUserName->clear();
    for (const Entry &e : entries)
        CombUserName->addItem(e.name, e.id);
    CombUserName->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

bool TLoginFm::CheckPassword()
{
    if (CombUserName->currentIndex() < 0)
        return false;
    const qint64 id = CombUserName->currentData().toLongLong();
    // A staff member deleted meanwhile cannot log in.
    if (!isActiveStaff(m_account.db(), id))
        return false;
    // A null password reads as empty. The slow hashing is done before the transaction, so
    // other counters are not kept waiting for it.
    const QString stored =
        Db::scalar(QStringLiteral("SELECT PWS FROM TBPersons WHERE ID = ?"), {id}, m_account.db())
            .toString();
    const bool matches = Password::matches(stored, EDPWD->text());
    // A password kept in plain text by an older account is replaced by its hash now, unless
    // another counter changed it meanwhile.
    const QString rehashed =
        matches && !Password::isHash(stored) ? Password::hash(EDPWD->text()) : QString();
    Db::Transaction tx(m_account.db());
    if (!matches) {
        Audit::recordAs(m_account.db(), id, Audit::Kind::LoginFailed, CombUserName->currentText());
        tx.commit();
        return false;
    }
    if (!rehashed.isEmpty()) {
        Db::exec(QStringLiteral("UPDATE TBPersons SET PWS = ? WHERE ID = ? AND "
                                "COALESCE(PWS, '') = ?"),
                 {rehashed, id, stored}, m_account.db());
    }
    Audit::recordAs(m_account.db(), id, Audit::Kind::Login, CombUserName->currentText());
    tx.commit();
    // The login produces the operator's session; an account whose permissions cannot be read
    // leaves him with nothing granted, and the main window says why when it applies them.
    try {
        m_account.signIn(static_cast<int>(id));
    } catch (const Db::DbError &e) {
        Db::logSkipped(e, "the operator is logged in with nothing granted");
    }
    return true;
}

void TLoginFm::BitBtn1Click()
{
    if (CombUserName->currentIndex() < 0) {
        Msg::error(this, tr("没有可登陆的人员，请先在人员管理中添加人员！"));
        return;
    }
    bool ok = false;
    try {
        ok = CheckPassword();
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return;
    }
    if (ok) {
        accept();
        return;
    }
    if (!isActiveStaff(m_account.db(), CombUserName->currentData().toLongLong())) {
        // Deleted on the staff page while this window was open: offer the others only.
        Msg::error(this, tr("该人员已被删除，不能登陆！"));
        LoadUserList();
        EDPWD->clear();
        CombUserName->setFocus();
        return;
    }
    // A failed login costs a moment before the next try, and the message never tells whether
    // the name or the password was wrong.
    setEnabled(false);
    QEventLoop wait;
    QTimer::singleShot(s_failureDelayMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    setEnabled(true);
    Msg::error(this, tr("用户名或口令错误，请重新输入！"));
    EDPWD->selectAll();
    EDPWD->setFocus();
}

void TLoginFm::BitBtn2Click()
{
    const auto answer = Msg::askYesNo(this, tr("您要退出系统吗？"));
    if (answer != QMessageBox::No)
        reject();
}

void TLoginFm::closeEvent(QCloseEvent *event)
{
    event->ignore();
    BitBtn2Click();
}
