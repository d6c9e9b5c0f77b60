#include "SetupTypesPage.h"

#include "data/AccountContext.h"

#include "ListEditor.h"
#include "SetupLayout.h"
#include "TypeStore.h"

#include "toolkit/DataGrid.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SetupLayout;

SetupTypesPage::SetupTypesPage(AccountContext &account, QWidget *parent)
    : SetupPage(account, parent)
{
    FeeCateGrid = listGrid(QStringLiteral("FeeCateGrid"), tr("收支类型"), this);
    FeeCateGrid->addHiddenColumn(QStringLiteral("ID"));
    FeeCateGrid->addColumn(QStringLiteral("CateValue"), tr("收支名称"));
    FeeCateGrid->setFooterVisible(false);
    FeeCateGrid->setLastColumnFills(true);

    QGridLayout *fields = nullptr;
    QVBoxLayout *right = listBesideFields(this, FeeCateGrid, &fields);
    EDCNAme = addField(fields, 0, 0, tr("收支名称"), QStringLiteral("EDCNAme"), this);
    EDCMemo = addField(fields, 1, 0, tr("说　　明"), QStringLiteral("EDCMemo"), this);
    BtnCAdd = button(tr("添  加"), QStringLiteral("BtnCAdd"), this);
    BtnCsave = button(tr("保  存"), QStringLiteral("BtnCsave"), this);
    BtnCDel = button(tr("删  除"), QStringLiteral("BtnCDel"), this);
    right->addLayout(buttonRow(BtnCAdd, BtnCsave, BtnCDel));
    right->addStretch(1);

    m_types = new ListEditor(FeeCateGrid, ListEditor::SaveNotice::Told, this);
    connect(m_types, &ListEditor::rowChanged, this, &SetupTypesPage::typeShown);
    connect(BtnCAdd, &QPushButton::clicked, this, &SetupTypesPage::startNewType);
    connect(BtnCsave, &QPushButton::clicked, this, &SetupTypesPage::saveType);
    connect(BtnCDel, &QPushButton::clicked, this, &SetupTypesPage::deleteType);
}

QString SetupTypesPage::header() const
{
    return tr("在这儿您可以设置收支类型的基本信息。");
}

void SetupTypesPage::enter()
{
    m_types->open(m_account.db(), Settings::typeListSql());
}

void SetupTypesPage::typeShown()
{
    if (!FeeCateGrid->hasCurrentRow()) {
        BtnCsave->setEnabled(true);
        BtnCDel->setEnabled(false);
        return;
    }
    EDCNAme->setText(FeeCateGrid->value(QStringLiteral("CateValue")).toString());
    EDCMemo->setText(FeeCateGrid->value(QStringLiteral("Memo")).toString());
    // Types the program books under itself are shown but locked.
    const bool user =
        !Settings::isBuiltInType(FeeCateGrid->value(QStringLiteral("ID")).toLongLong(),
                                 FeeCateGrid->value(QStringLiteral("Flag")).toInt());
    BtnCsave->setEnabled(user);
    BtnCDel->setEnabled(user);
}

void SetupTypesPage::startNewType()
{
    m_types->startNew();
    EDCNAme->clear();
    EDCMemo->clear();
    BtnCsave->setEnabled(true);
    BtnCDel->setEnabled(false);
    EDCNAme->setFocus(Qt::OtherFocusReason);
}

void SetupTypesPage::saveType()
{
    m_types->save([this] {
        return Settings::saveType(m_account, m_types->currentKey(), EDCNAme->text(),
                                  EDCMemo->text());
    });
}

void SetupTypesPage::deleteType()
{
    m_types->remove(tr("确定要删除类型【%1】吗？")
                        .arg(FeeCateGrid->value(QStringLiteral("CateValue")).toString()),
                    [this](qint64 id) { Settings::deleteType(m_account, id); });
}
