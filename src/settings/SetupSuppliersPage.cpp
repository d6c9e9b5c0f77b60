#include "SetupSuppliersPage.h"

#include "data/AccountContext.h"

#include "ListEditor.h"
#include "SetupLayout.h"
#include "SupplierStore.h"

#include "toolkit/DataGrid.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SetupLayout;

SetupSuppliersPage::SetupSuppliersPage(AccountContext &account, QWidget *parent)
    : SetupPage(account, parent)
{
    PGrid = listGrid(QStringLiteral("PGrid"), tr("供应商"), this);
    PGrid->addHiddenColumn(QStringLiteral("ID"));
    PGrid->addColumn(QStringLiteral("Company"), tr("公司名称"), Grid::Kind::Text, 130);
    PGrid->addColumn(QStringLiteral("OfficeTel"), tr("联系电话"), Grid::Kind::Text, 90);
    PGrid->addColumn(QStringLiteral("Address"), tr("地址"));
    PGrid->setFooterVisible(false);
    PGrid->setLastColumnFills(true);

    QGridLayout *fields = nullptr;
    QVBoxLayout *right = listBesideFields(this, PGrid, &fields);
    EDCompany = addField(fields, 0, 0, tr("公司名称"), QStringLiteral("EDCompany"), this);
    EDPAddr = addField(fields, 1, 0, tr("公司地址"), QStringLiteral("EDPAddr"), this);
    EDPTel = addField(fields, 2, 0, tr("联系电话"), QStringLiteral("EDPTel"), this);
    EDPMemo = addField(fields, 3, 0, tr("说    明"), QStringLiteral("EDPMemo"), this);
    BtnPAdd = button(tr("添  加"), QStringLiteral("BtnPAdd"), this);
    BtnPSave = button(tr("保  存"), QStringLiteral("BtnPSave"), this);
    BtnPDel = button(tr("删  除"), QStringLiteral("BtnPDel"), this);
    right->addLayout(buttonRow(BtnPAdd, BtnPSave, BtnPDel));
    right->addStretch(1);

    m_suppliers = new ListEditor(PGrid, ListEditor::SaveNotice::Told, this);
    connect(m_suppliers, &ListEditor::rowChanged, this, &SetupSuppliersPage::supplierShown);
    connect(BtnPAdd, &QPushButton::clicked, this, &SetupSuppliersPage::startNewSupplier);
    connect(BtnPSave, &QPushButton::clicked, this, &SetupSuppliersPage::saveSupplier);
    connect(BtnPDel, &QPushButton::clicked, this, &SetupSuppliersPage::deleteSupplier);
}

QString SetupSuppliersPage::header() const
{
    return tr("在这儿您可以设置供应商的基本信息。");
}

void SetupSuppliersPage::enter()
{
    m_suppliers->open(m_account.db(), Settings::supplierListSql());
}

void SetupSuppliersPage::supplierShown()
{
    BtnPDel->setEnabled(PGrid->hasCurrentRow());
    if (!PGrid->hasCurrentRow())
        return;
    EDCompany->setText(PGrid->value(QStringLiteral("Company")).toString());
    EDPAddr->setText(PGrid->value(QStringLiteral("Address")).toString());
    EDPTel->setText(PGrid->value(QStringLiteral("OfficeTel")).toString());
    EDPMemo->setText(PGrid->value(QStringLiteral("Memo")).toString());
}

void SetupSuppliersPage::startNewSupplier()
{
    for (QLineEdit *e : {EDCompany, EDPAddr, EDPTel, EDPMemo})
        e->clear();
    m_suppliers->startNew();
    BtnPDel->setEnabled(false);
    EDCompany->setFocus(Qt::OtherFocusReason);
}

void SetupSuppliersPage::saveSupplier()
{
    // The supplier on show is updated; after "添  加" (or on an empty list) one is inserted.
    m_suppliers->save([this] {
        return Settings::saveSupplier(
            m_account, m_suppliers->currentKey(),
            {EDCompany->text(), EDPAddr->text(), EDPTel->text(), EDPMemo->text()});
    });
}

void SetupSuppliersPage::deleteSupplier()
{
    m_suppliers->remove(
        tr("确定要删除供应商【%1】吗？").arg(PGrid->value(QStringLiteral("Company")).toString()),
        [this](qint64 id) { Settings::deleteSupplier(m_account, id); });
}
