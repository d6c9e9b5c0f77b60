#include "ServerAccountWindow.h"

#include "AccountFileDialog.h"

#include "data/DataModule.h"
#include "data/Db.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TAccountMoveFm::SaveNameProvider g_saveName;

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *field(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QString askSaveName(QWidget *parent, const QString &folder)
{
    return AccountFileDialog::ask(parent, TAccountMoveFm::tr("迁移到帐户文件"), folder,
                                  TAccountMoveFm::tr("数据文件(*.MDB)"),
                                  AccountFileDialog::Purpose::Save);
}

// A note under the fields: where the password comes from.
QLabel *passwordNote(QWidget *parent)
{
    auto *note = new QLabel(ServerAddressFields::tr("口令不保存在本程序中：服务器要求口令时程序会询问，"
                                                    "只在本次运行中记住。写在本机用户的 ~/.pgpass "
                                                    "文件（或 PGPASSFILE 指定的文件、服务文件）中，"
                                                    "就不必每次输入。"),
                            parent);
    note->setObjectName(QStringLiteral("LabelPassword"));
    note->setWordWrap(true);
    return note;
}

} // namespace

ServerAddressFields::ServerAddressFields(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ServerAddressFields"));
    EDHost = field(QStringLiteral("EDHost"), this);
    EDPort = field(QStringLiteral("EDPort"), this);
    EDPort->setValidator(new QIntValidator(1, 65535, EDPort));
    EDPort->setText(QStringLiteral("5432"));
    EDDatabase = field(QStringLiteral("EDDatabase"), this);
    EDUser = field(QStringLiteral("EDUser"), this);
    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("服务器："), EDHost);
    form->addRow(tr("端口："), EDPort);
    form->addRow(tr("数据库："), EDDatabase);
    form->addRow(tr("用户："), EDUser);
    setTabOrder(EDHost, EDPort);
    setTabOrder(EDPort, EDDatabase);
    setTabOrder(EDDatabase, EDUser);
}

ServerAddress ServerAddressFields::address() const
{
    ServerAddress a;
    a.host = EDHost->text().trimmed();
    bool ok = false;
    const int port = EDPort->text().trimmed().toInt(&ok);
    a.port = ok ? port : 0;
    a.database = EDDatabase->text().trimmed();
    a.user = EDUser->text().trimmed();
    return a;
}

void ServerAddressFields::setAddress(const ServerAddress &address)
{
    EDHost->setText(address.host);
    EDPort->setText(QString::number(address.port));
    EDDatabase->setText(address.database);
    EDUser->setText(address.user);
}

bool ServerAddressFields::check(QWidget *dialog)
{
    const ServerAddress a = address();
    QLineEdit *missing = nullptr;
    QString text;
    if (a.host.isEmpty()) {
        missing = EDHost;
        text = tr("请输入数据库服务器的名称或地址！");
    } else if (a.port < 1 || a.port > 65535) {
        missing = EDPort;
        text = tr("端口应是 1 到 65535 之间的数！");
    } else if (a.database.isEmpty()) {
        missing = EDDatabase;
        text = tr("请输入数据库名称！");
    }
    if (!missing)
        return true;
    Msg::info(dialog, text);
    missing->setFocus();
    return false;
}

TServerAccountFm::TServerAccountFm(QWidget *parent, const ServerAddress &proposed)
    : TBaseDlgFM(parent)
{
    setObjectName(QStringLiteral("ServerAccountFm"));
    setWindowTitle(tr("服务器帐户"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    Fields = new ServerAddressFields(this);
    if (proposed.isValid())
        Fields->setAddress(proposed);
    addOkCancel(BitBtn1, BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 8);
    layout->addWidget(Fields);
    layout->addWidget(passwordNote(this));
    layout->addLayout(okCancelRow(BitBtn1, BitBtn2));
    setTabOrder(Fields->EDUser, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    resize(380, 230);
    setMinimumSize(340, 210);

    connect(BitBtn1, &QPushButton::clicked, this, &TServerAccountFm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    Fields->EDHost->setFocus();
}

void TServerAccountFm::BitBtn1Click()
{
    if (Fields->check(this))
        accept();
}

void TAccountMoveFm::setSaveNameProvider(SaveNameProvider provider)
{
    g_saveName = std::move(provider);
}

TAccountMoveFm::TAccountMoveFm(Direction direction, QWidget *parent, const QSqlDatabase &source,
                               const QString &account, const QString &folder)
    : TBaseDlgFM(parent), m_direction(direction), m_source(source), m_folder(folder)
{
    setObjectName(QStringLiteral("AccountMoveFm"));
    setWindowTitle(direction == Direction::ToServer ? tr("帐户迁移到服务器")
                                                    : tr("帐户迁移到文件"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    LabelSource = new QLabel(tr("迁移的帐户：%1").arg(accountDisplayName(account)), this);
    LabelSource->setObjectName(QStringLiteral("LabelSource"));
    LabelSource->setWordWrap(true);

    auto *target = new QVBoxLayout;
    if (direction == Direction::ToServer) {
        auto *lead = new QLabel(tr("目标：服务器上的一个空数据库"), this);
        lead->setObjectName(QStringLiteral("LabelTarget"));
        Fields = new ServerAddressFields(this);
        target->addWidget(lead);
        target->addWidget(Fields);
        target->addWidget(passwordNote(this));
    } else {
        auto *caption = new QLabel(tr("目标文件"), this);
        caption->setObjectName(QStringLiteral("LabelTarget"));
        EDPath = new QLineEdit(this);
        EDPath->setObjectName(QStringLiteral("EDPath"));
        caption->setBuddy(EDPath);
        BitBtn1 = button(QStringLiteral("BitBtn1"), QStringLiteral("..."), this);
        BitBtn1->setAccessibleName(tr("浏览"));
        BitBtn1->setFixedWidth(28);
        auto *row = new QHBoxLayout;
        row->addWidget(caption);
        row->addWidget(EDPath, 1);
        row->addWidget(BitBtn1);
        target->addLayout(row);
        const auto server = serverAccountOf(account);
        const QString name = server ? server->database : QFileInfo(account).completeBaseName();
        EDPath->setText(QDir::toNativeSeparators(QDir(folder).absoluteFilePath(
            (name.isEmpty() ? QStringLiteral("Server") : name) + QStringLiteral(".MDB"))));
        connect(BitBtn1, &QPushButton::clicked, this, &TAccountMoveFm::BitBtn1Click);
    }

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    LabelTable = new QLabel(this);
    LabelTable->setObjectName(QStringLiteral("LabelTable"));
    MemoResult = new QPlainTextEdit(this);
    MemoResult->setObjectName(QStringLiteral("MemoResult"));
    MemoResult->setReadOnly(true);
    MemoResult->setPlaceholderText(
        tr("迁移之后，这里列出每个表的行数和金额合计（两边核对一致）。"));

    BtnMove = button(QStringLiteral("BtnMove"), tr("迁移"), this);
    BtnClose = button(QStringLiteral("BtnClose"), tr("退出"), this);
    setCancelButton(BtnClose);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnMove);
    buttons->addWidget(BtnClose);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 8);
    layout->setSpacing(8);
    layout->addWidget(LabelSource);
    layout->addLayout(target);
    layout->addWidget(ProgressBar1);
    layout->addWidget(LabelTable);
    layout->addWidget(MemoResult, 1);
    layout->addLayout(buttons);
    resize(520, 470);
    setMinimumSize(420, 400);

    connect(BtnMove, &QPushButton::clicked, this, &TAccountMoveFm::BtnMoveClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    if (Fields)
        Fields->EDHost->setFocus();
    else
        EDPath->setFocus();
}

void TAccountMoveFm::BitBtn1Click()
{
    QString folder = QFileInfo(EDPath->text().trimmed()).absolutePath();
    if (EDPath->text().trimmed().isEmpty() || !QFileInfo(folder).isDir())
        folder = m_folder;
    const QString chosen = g_saveName ? g_saveName(this, folder) : askSaveName(this, folder);
    if (chosen.isEmpty())
        return;
    const QString withSuffix =
        QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".MDB") : chosen;
    EDPath->setText(QDir::toNativeSeparators(withSuffix));
}

void TAccountMoveFm::BtnMoveClick()
{
    QString target;
    if (Fields) {
        if (!Fields->check(this))
            return;
    } else {
        const QString typed = EDPath->text().trimmed();
        if (typed.isEmpty()) {
            Msg::info(this, tr("请输入目标文件的名称！"));
            EDPath->setFocus();
            return;
        }
        // A name without a folder goes into the data folder.
        target = QDir(m_folder).absoluteFilePath(QDir::fromNativeSeparators(typed));
    }

    MemoResult->clear();
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    BtnMove->setEnabled(false);
    const AccountMove::Progress progress = [this](const QString &table, qint64 done, qint64 total) {
        LabelTable->setText(tr("正在迁移 %1：%2 / %3 行").arg(table).arg(done).arg(total));
        ProgressBar1->setRange(0, int(qMax<qint64>(total, 1)));
        ProgressBar1->setValue(int(qMin(done, qMax<qint64>(total, 1))));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_result = Fields ? AccountMove::toServer(m_source, Fields->address(), progress)
                      : AccountMove::toFile(m_source, target, false, progress);
    QApplication::restoreOverrideCursor();
    BtnMove->setEnabled(true);
    LabelTable->clear();
    ProgressBar1->setValue(0);

    if (!m_result.ok) {
        qCWarning(lcData).noquote() << "account move failed:" << m_result.why;
        Msg::show({this, Msg::SystemCaption, tr("帐户迁移没有完成，目标中没有写入任何内容。"),
                   Msg::Icon::Error, QMessageBox::Ok, QMessageBox::Ok, m_result.why});
        return;
    }
    MemoResult->setPlainText(AccountMove::describe(m_result.tables).join(u'\n'));
    Msg::info(this, Fields ? tr("帐户已迁移到服务器，两边的行数和金额合计一致。\n"
                                "各台电脑用“文件 → 打开 → 服务器帐户”打开它。")
                           : tr("帐户已迁移到文件，两边的行数和金额合计一致。"));
}

void ShowMoveToServer(AccountContext &account)
{
    if (serverAccountOf(account.account())) {
        Msg::info(QApplication::activeWindow(),
                  TAccountMoveFm::tr("当前帐户已在服务器上。要复制到另一个服务器，"
                                     "请先把它迁移到文件，再把文件迁移到那个服务器。"));
        return;
    }
    TAccountMoveFm dialog(TAccountMoveFm::Direction::ToServer, QApplication::activeWindow(),
                          account.db(), account.account());
    dialog.exec();
}

void ShowMoveToFile(AccountContext &account)
{
    if (!serverAccountOf(account.account())) {
        Msg::info(QApplication::activeWindow(),
                  TAccountMoveFm::tr("当前帐户已是一个文件；要复制它，请用“文件 → 保存/备份”。"));
        return;
    }
    TAccountMoveFm dialog(TAccountMoveFm::Direction::ToFile, QApplication::activeWindow(),
                          account.db(), account.account());
    dialog.exec();
}
