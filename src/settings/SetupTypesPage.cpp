// The income/expense types page and the suppliers page.
#include "SetupLayout.h"
#include "SetupWindow.h"

#include "SupplierStore.h"
#include "TypeStore.h"

#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SetupLayout;

namespace {

// A list on the left; on the right the fields, a rule and the three buttons.
QVBoxLayout *listPage(QWidget *page, QWidget *grid, QGridLayout **fields)
{
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(grid, 1);
    auto *right = new QVBoxLayout;
    *fields = new QGridLayout;
    (*fields)->setColumnStretch(1, 1);
    right->addLayout(*fields);
    right->addWidget(SetupLayout::rule(page));
    row->addLayout(right, 1);
    return right;
}

} // namespace

QWidget *TSetupFm::buildTypesPage()
{
    auto *page = new QWidget(this);
    FeeCateGrid = makeGrid(QStringLiteral("FeeCateGrid"), tr("收支类型"));
    FeeCateGrid->setParent(page);
    FeeCateGrid->addHiddenColumn(QStringLiteral("ID"));
    FeeCateGrid->addColumn(QStringLiteral("CateValue"), tr("收支名称"));
    FeeCateGrid->setFooterVisible(false);
    FeeCateGrid->setLastColumnFills(true);
    routeMainList(FeeCateGrid);

    QGridLayout *fields = nullptr;
    QVBoxLayout *right = listPage(page, FeeCateGrid, &fields);
    EDCNAme = addField(fields, 0, 0, tr("收支名称"), QStringLiteral("EDCNAme"), page);
    EDCMemo = addField(fields, 1, 0, tr("说　　明"), QStringLiteral("EDCMemo"), page);
    BtnCAdd = button(tr("添  加"), QStringLiteral("BtnCAdd"), page);
    BtnCsave = button(tr("保  存"), QStringLiteral("BtnCsave"), page);
    BtnCDel = button(tr("删  除"), QStringLiteral("BtnCDel"), page);
    right->addLayout(buttonRow(BtnCAdd, BtnCsave, BtnCDel));
    right->addStretch(1);

    connect(BtnCAdd, &QPushButton::clicked, this, &TSetupFm::BtnCAddClick);
    connect(BtnCsave, &QPushButton::clicked, this, &TSetupFm::BtnCsaveClick);
    connect(BtnCDel, &QPushButton::clicked, this, &TSetupFm::BtnCDelClick);
    return page;
}

void TSetupFm::TabSheet7Show()
{
    m_pageKind = KindTypes;
    setHeader(tr("在这儿您可以设置收支类型的基本信息。"));
    m_typeAdding = false;
    try {
        FeeCateGrid->open(Settings::typeListSql());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

void TSetupFm::typeAfterScroll()
{
    m_typeAdding = false;
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

void TSetupFm::BtnCAddClick()
{
    startNewRow(FeeCateGrid, &m_typeAdding);
    EDCNAme->clear();
    EDCMemo->clear();
    BtnCsave->setEnabled(true);
    BtnCDel->setEnabled(false);
    EDCNAme->setFocus(Qt::OtherFocusReason);
}

void TSetupFm::BtnCsaveClick()
{
    saveRow(FeeCateGrid, &m_typeAdding, SaveNotice::Told, [this] {
        return Settings::saveType(keyOf(FeeCateGrid, m_typeAdding), EDCNAme->text(),
                                  EDCMemo->text());
    });
}

void TSetupFm::BtnCDelClick()
{
    deleteRow(FeeCateGrid, keyOf(FeeCateGrid, m_typeAdding),
              tr("确定要删除类型【%1】吗？").arg(FeeCateGrid->value(QStringLiteral("CateValue")).toString()),
              &Settings::deleteType);
}

QWidget *TSetupFm::buildSuppliersPage()
{
    auto *page = new QWidget(this);
    PGrid = makeGrid(QStringLiteral("PGrid"), tr("供应商"));
    PGrid->setParent(page);
    PGrid->addHiddenColumn(QStringLiteral("ID"));
    PGrid->addColumn(QStringLiteral("Company"), tr("公司名称"), Grid::Kind::Text, 130);
    PGrid->addColumn(QStringLiteral("OfficeTel"), tr("联系电话"), Grid::Kind::Text, 90);
    PGrid->addColumn(QStringLiteral("Address"), tr("地址"));
    PGrid->setFooterVisible(false);
    PGrid->setLastColumnFills(true);
    routeMainList(PGrid);

    QGridLayout *fields = nullptr;
    QVBoxLayout *right = listPage(page, PGrid, &fields);
    EDCompany =
        addField(fields, 0, 0, tr("公司名称"), QStringLiteral("EDCompany"), page);
    EDPAddr = addField(fields, 1, 0, tr("公司地址"), QStringLiteral("EDPAddr"), page);
    EDPTel = addField(fields, 2, 0, tr("联系电话"), QStringLiteral("EDPTel"), page);
    EDPMemo = addField(fields, 3, 0, tr("说    明"), QStringLiteral("EDPMemo"), page);
    BtnPAdd = button(tr("添  加"), QStringLiteral("BtnPAdd"), page);
    BtnPSave = button(tr("保  存"), QStringLiteral("BtnPSave"), page);
    BtnPDel = button(tr("删  除"), QStringLiteral("BtnPDel"), page);
    right->addLayout(buttonRow(BtnPAdd, BtnPSave, BtnPDel));
    right->addStretch(1);

    connect(BtnPAdd, &QPushButton::clicked, this, &TSetupFm::BtnPAddClick);
    connect(BtnPSave, &QPushButton::clicked, this, &TSetupFm::BtnPSaveClick);
    connect(BtnPDel, &QPushButton::clicked, this, &TSetupFm::BtnPDelClick);
    return page;
}

void TSetupFm::TabSheet8Show()
{
    m_pageKind = KindSuppliers;
    setHeader(tr("在这儿您可以设置供应商的基本信息。"));
    m_supplierAdding = false;
    try {
        PGrid->open(Settings::supplierListSql());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

void TSetupFm::supplierAfterScroll()
{
    m_supplierAdding = false;
    BtnPDel->setEnabled(PGrid->hasCurrentRow());
    if (!PGrid->hasCurrentRow())
        return;
    EDCompany->setText(PGrid->value(QStringLiteral("Company")).toString());
    EDPAddr->setText(PGrid->value(QStringLiteral("Address")).toString());
    EDPTel->setText(PGrid->value(QStringLiteral("OfficeTel")).toString());
    EDPMemo->setText(PGrid->value(QStringLiteral("Memo")).toString());
}

void TSetupFm::BtnPAddClick()
{
    for (QLineEdit *e : {EDCompany, EDPAddr, EDPTel, EDPMemo})
        e->clear();
    startNewRow(PGrid, &m_supplierAdding);
    BtnPDel->setEnabled(false);
    EDCompany->setFocus(Qt::OtherFocusReason);
}

void TSetupFm::BtnPSaveClick()
{
    // The supplier on show is updated; after "添  加" (or on an empty list) one is inserted.
    saveRow(PGrid, &m_supplierAdding, SaveNotice::Told, [this] {
        return Settings::saveSupplier(
            keyOf(PGrid, m_supplierAdding),
            {EDCompany->text(), EDPAddr->text(), EDPTel->text(), EDPMemo->text()});
    });
}

void TSetupFm::BtnPDelClick()
{
    deleteRow(PGrid, keyOf(PGrid, m_supplierAdding),
              tr("确定要删除供应商【%1】吗？").arg(PGrid->value(QStringLiteral("Company")).toString()),
              &Settings::deleteSupplier);
}
