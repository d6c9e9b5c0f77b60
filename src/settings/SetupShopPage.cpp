#include "SetupShopPage.h"

#include "data/AccountContext.h"

#include "OptionStore.h"
#include "SetupLayout.h"

#include "toolkit/MessageBox.h"

#include "data/Db.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SetupLayout;

SetupShopPage::SetupShopPage(AccountContext &account, QWidget *parent) : SetupPage(account, parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 12);
    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    EDMyCOMpany = addField(grid, 0, 0, tr("单位名称"), QStringLiteral("EDMyCOMpany"), this);
    EDMyAddr = addField(grid, 1, 0, tr("单位地址"), QStringLiteral("EDMyAddr"), this);
    EDMyTel = addField(grid, 2, 0, tr("联系电话"), QStringLiteral("EDMyTel"), this);
    column->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BtnMyDo = button(tr("应  用"), QStringLiteral("BtnMyDo"), this);
    buttons->addWidget(BtnMyDo);
    column->addLayout(buttons);
    column->addStretch(1);

    connect(BtnMyDo, &QPushButton::clicked, this, &SetupShopPage::apply);
}

void SetupShopPage::enter()
{
    try {
        const Settings::ShopDetails d = Settings::readShopDetails(m_account.db());
        EDMyCOMpany->setText(d.company);
        EDMyAddr->setText(d.address);
        EDMyTel->setText(d.telephone);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

void SetupShopPage::apply()
{
    try {
        Settings::saveShopDetails(m_account,
                                  {EDMyCOMpany->text(), EDMyAddr->text(), EDMyTel->text()});
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}
