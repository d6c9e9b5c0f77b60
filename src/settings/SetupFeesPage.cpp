// The fees page: fee classes (rent and deposit per disc) and film categories side by side.
#include "SetupLayout.h"
#include "SetupWindow.h"

#include "FeeStore.h"

#include "toolkit/DataGrid.h"
#include "toolkit/InputFilters.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SetupLayout;

QWidget *TSetupFm::buildFeesPage()
{
    auto *page = new QWidget(this);
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 4, 4, 4);

    auto *fees = new QGroupBox(tr("收费标准"), page);
    auto *feeColumn = new QVBoxLayout(fees);
    auto *feeTop = new QHBoxLayout;
    auto *feeFields = new QGridLayout;
    EDFeeName =
        addField(feeFields, 0, 0, tr("类型名称"), QStringLiteral("EDFeeName"), fees);
    EDFee = addField(feeFields, 1, 0, tr("租金/天"), QStringLiteral("EDFee"), fees);
    EDFeeYJ = addField(feeFields, 2, 0, tr("押   金"), QStringLiteral("EDFeeYJ"), fees);
    Input::acceptMoneyOnly(EDFee);
    Input::acceptMoneyOnly(EDFeeYJ);
    feeTop->addLayout(feeFields, 1);
    auto *feeButtons = new QVBoxLayout;
    BtnFeeAdd = button(tr("添  加"), QStringLiteral("BtnFeeAdd"), fees);
    BtnFeeSave = button(tr("保  存"), QStringLiteral("BtnFeeSave"), fees);
    BtnFeeDel = button(tr("删  除"), QStringLiteral("BtnFeeDel"), fees);
    for (QPushButton *b : {BtnFeeAdd, BtnFeeSave, BtnFeeDel})
        feeButtons->addWidget(b);
    feeTop->addLayout(feeButtons);
    feeColumn->addLayout(feeTop);
    FeeGrid = makeGrid(QStringLiteral("FeeGrid"), tr("收费标准"));
    FeeGrid->setParent(fees);
    FeeGrid->addHiddenColumn(QStringLiteral("ID"));
    FeeGrid->addColumn(QStringLiteral("Name"), tr("类型名称"), Grid::Kind::Text, 110);
    FeeGrid->addColumn(QStringLiteral("Fee"), tr("租金/天"), Grid::Kind::Money, 80);
    FeeGrid->addColumn(QStringLiteral("Deposit"), tr("押金"), Grid::Kind::Money, 80);
    FeeGrid->setFooterVisible(false);
    FeeGrid->setLastColumnFills(true);
    routeMainList(FeeGrid);
    feeColumn->addWidget(FeeGrid, 1);
    row->addWidget(fees, 3);

    auto *categories = new QGroupBox(tr("影片分类"), page);
    auto *cateColumn = new QVBoxLayout(categories);
    auto *cateField = new QGridLayout;
    EDCateName = addField(cateField, 0, 0, tr("影片类型"), QStringLiteral("EDCateName"),
                          categories);
    cateColumn->addLayout(cateField);
    BtnCateAdd = button(tr("添  加"), QStringLiteral("BtnCateAdd"), categories);
    BtnCateSave = button(tr("保  存"), QStringLiteral("BtnCateSave"), categories);
    BtnCateDel = button(tr("删  除"), QStringLiteral("BtnCateDel"), categories);
    cateColumn->addLayout(buttonRow(BtnCateAdd, BtnCateSave, BtnCateDel));
    CateGrid = makeGrid(QStringLiteral("CateGrid"), tr("影片分类"));
    CateGrid->setParent(categories);
    CateGrid->addHiddenColumn(QStringLiteral("ID"));
    CateGrid->addColumn(QStringLiteral("Categray"), tr("影片类型"));
    CateGrid->setFooterVisible(false);
    CateGrid->setLastColumnFills(true);
    routeSecondList(CateGrid);
    cateColumn->addWidget(CateGrid, 1);
    row->addWidget(categories, 2);

    connect(BtnFeeAdd, &QPushButton::clicked, this, &TSetupFm::BtnFeeAddClick);
    connect(BtnFeeSave, &QPushButton::clicked, this, &TSetupFm::BtnFeeSaveClick);
    connect(BtnFeeDel, &QPushButton::clicked, this, &TSetupFm::BtnFeeDelClick);
    connect(BtnCateAdd, &QPushButton::clicked, this, &TSetupFm::BtnCateAddClick);
    connect(BtnCateSave, &QPushButton::clicked, this, &TSetupFm::BtnCateSaveClick);
    connect(BtnCateDel, &QPushButton::clicked, this, &TSetupFm::BtnCateDelClick);
    return page;
}

void TSetupFm::TabSheet3Show()
{
    m_pageKind = KindFees;
    setHeader(tr("在这儿您可以设置出租影片的租金费用，以及影片的分类情况。"));
    m_feeAdding = false;
    m_cateAdding = false;
    try {
        FeeGrid->open(Settings::feeClassListSql());
        CateGrid->open(Settings::categoryListSql());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

void TSetupFm::feeAfterScroll()
{
    m_feeAdding = false;
    BtnFeeDel->setEnabled(FeeGrid->hasCurrentRow());
    if (!FeeGrid->hasCurrentRow())
        return;
    auto amount = [this](const char *field) {
        // A stored value beyond any amount (a file written elsewhere) shows as it is stored.
        const qint64 cents = FeeGrid->value(QLatin1String(field)).toLongLong();
        const auto m = Money::tryFromCents(cents);
        return m ? m->toShortString() : QString::number(cents);
    };
    EDFeeName->setText(FeeGrid->value(QStringLiteral("Name")).toString());
    EDFee->setText(amount("Fee"));
    EDFeeYJ->setText(amount("Deposit"));
}

void TSetupFm::BtnFeeAddClick()
{
    startNewRow(FeeGrid, &m_feeAdding);
    for (QLineEdit *e : {EDFeeName, EDFee, EDFeeYJ})
        e->clear();
    BtnFeeDel->setEnabled(false);
    EDFeeName->setFocus(Qt::OtherFocusReason);
}

void TSetupFm::BtnFeeSaveClick()
{
    saveRow(FeeGrid, &m_feeAdding, SaveNotice::Quiet, [this] {
        return Settings::saveFeeClass(keyOf(FeeGrid, m_feeAdding),
                                      {EDFeeName->text(), EDFee->text(), EDFeeYJ->text()});
    });
}

void TSetupFm::BtnFeeDelClick()
{
    deleteRow(FeeGrid, keyOf(FeeGrid, m_feeAdding),
              tr("确定要删除类型【%1】吗？").arg(FeeGrid->value(QStringLiteral("Name")).toString()),
              &Settings::deleteFeeClass);
}

void TSetupFm::BtnCateAddClick()
{
    startNewRow(CateGrid, &m_cateAdding);
    EDCateName->clear();
    BtnCateDel->setEnabled(false);
    EDCateName->setFocus(Qt::OtherFocusReason);
}

void TSetupFm::BtnCateSaveClick()
{
    saveRow(CateGrid, &m_cateAdding, SaveNotice::Quiet, [this] {
        return Settings::saveCategory(keyOf(CateGrid, m_cateAdding), EDCateName->text());
    });
}

void TSetupFm::BtnCateDelClick()
{
    deleteRow(CateGrid, keyOf(CateGrid, m_cateAdding),
              tr("确定要删除分类【%1】吗？").arg(CateGrid->value(QStringLiteral("Categray")).toString()),
              &Settings::deleteCategory);
}
