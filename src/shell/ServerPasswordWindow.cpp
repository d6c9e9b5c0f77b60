#include "ServerPasswordWindow.h"

#include "data/ServerPassword.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TServerPasswordFm::TServerPasswordFm(QWidget *parent, const ServerAddress &address,
                                     const QString &refused)
    : TBaseDlgFM(parent)
{
    setObjectName(QStringLiteral("ServerPasswordFm"));
    setWindowTitle(tr("服务器口令"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    LabelServer = new QLabel(tr("数据库服务器要求帐户 %1 的口令：").arg(address.displayName()), this);
    LabelServer->setObjectName(QStringLiteral("LabelServer"));
    LabelServer->setWordWrap(true);
    LabelRefused = new QLabel(tr("服务器没有接受这个口令，请重新输入：") + u'\n' + refused.trimmed(), this);
    LabelRefused->setObjectName(QStringLiteral("LabelRefused"));
    LabelRefused->setWordWrap(true);
    LabelRefused->setStyleSheet(QStringLiteral("color: #b00000"));
    LabelRefused->setVisible(!refused.isEmpty());
    EDPassword = new QLineEdit(this);
    EDPassword->setObjectName(QStringLiteral("EDPassword"));
    EDPassword->setEchoMode(QLineEdit::Password);
    auto *note = new QLabel(tr("口令只在本次运行中记住，不保存。"), this);
    note->setObjectName(QStringLiteral("LabelNote"));
    note->setWordWrap(true);

    addOkCancel(BitBtn1, BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 8);
    layout->addWidget(LabelServer);
    layout->addWidget(LabelRefused);
    layout->addWidget(EDPassword);
    layout->addWidget(note);
    layout->addLayout(okCancelRow(BitBtn1, BitBtn2));
    setTabOrder(EDPassword, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    // As tall as its texts need at its width: the server's reason may take a few lines.
    setMinimumWidth(360);
    resize(460, layout->totalHeightForWidth(460));

    connect(BitBtn1, &QPushButton::clicked, this, &TServerPasswordFm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    EDPassword->setFocus();
}

QString TServerPasswordFm::password() const
{
    return EDPassword->text();
}

void TServerPasswordFm::BitBtn1Click()
{
    if (EDPassword->text().isEmpty()) {
        Msg::info(this, tr("请输入口令！"));
        EDPassword->setFocus();
        return;
    }
    accept();
}

void installServerPasswordPrompt()
{
    ServerPassword::setPrompt(
        [](const ServerAddress &address, const QString &refused) -> std::optional<QString> {
            // Asked while a window waits for the account (the start, 文件 → 打开, a move):
            // the wait cursor would hide that the program waits for the operator now.
            const bool waiting = QApplication::overrideCursor() != nullptr;
            if (waiting)
                QApplication::setOverrideCursor(Qt::ArrowCursor);
            TServerPasswordFm dialog(QApplication::activeWindow(), address, refused);
            const bool given = dialog.exec() == QDialog::Accepted;
            if (waiting)
                QApplication::restoreOverrideCursor();
            if (!given)
                return std::nullopt;
            return dialog.password();
        });
}
