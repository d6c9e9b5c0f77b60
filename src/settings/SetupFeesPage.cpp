#include "SetupFeesPage.h"

#include "data/AccountContext.h"

#include "FeeStore.h"
#include "ListEditor.h"
#include "SetupLayout.h"

#include "toolkit/DataGrid.h"
#include "toolkit/InputFilters.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SetupLayout;

SetupFeesPage::SetupFeesPage(AccountContext &account, QWidget *parent) : SetupPage(account, parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);

    auto *fees = new QGroupBox(tr("收费标准"), this);
    auto *feeColumn = new QVBoxLayout(fees);
    auto *feeTop = new QHBoxLayout;
    auto *feeFields = new QGridLayout;
    EDFeeName = addField(feeFields, 0, 0, tr("类型名称"), QStringLiteral("EDFeeName"), fees);
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
    FeeGrid = listGrid(QStringLiteral("FeeGrid"), tr("收费标准"), fees);
    FeeGrid->addHiddenColumn(QStringLiteral("ID"));
    FeeGrid->addColumn(QStringLiteral("Name"), tr("类型名称"), Grid::Kind::Text, 110);
    FeeGrid->addColumn(QStringLiteral("Fee"), tr("租金/天"), Grid::Kind::Money, 80);
    FeeGrid->addColumn(QStringLiteral("Deposit"), tr("押金"), Grid::Kind::Money, 80);
    FeeGrid->setFooterVisible(false);
    FeeGrid->setLastColumnFills(true);
    feeColumn->addWidget(FeeGrid, 1);
    row->addWidget(fees, 3);

    auto *categories = new QGroupBox(tr("影片分类"), this);
    auto *cateColumn = new QVBoxLayout(categories);
    auto *cateField = new QGridLayout;
    EDCateName =
        addField(cateField, 0, 0, tr("影片类型"), QStringLiteral("EDCateName"), categories);
    cateColumn->addLayout(cateField);
    BtnCateAdd = button(tr("添  加"), QStringLiteral("BtnCateAdd"), categories);
    BtnCateSave = button(tr("保  存"), QStringLiteral("BtnCateSave"), categories);
    BtnCateDel = button(tr("删  除"), QStringLiteral("BtnCateDel"), categories);
    cateColumn->addLayout(buttonRow(BtnCateAdd, BtnCateSave, BtnCateDel));
    CateGrid = listGrid(QStringLiteral("CateGrid"), tr("影片分类"), categories);
    CateGrid->addHiddenColumn(QStringLiteral("ID"));
    CateGrid->addColumn(QStringLiteral("Categray"), tr("影片类型"));
    CateGrid->setFooterVisible(false);
    CateGrid->setLastColumnFills(true);
    cateColumn->addWidget(CateGrid, 1);
    row->addWidget(categories, 2);

    // Both lists save without a word on success.
    m_feeClasses = new ListEditor(FeeGrid, ListEditor::SaveNotice::Quiet, this);
    m_categories = new ListEditor(CateGrid, ListEditor::SaveNotice::Quiet, this);
    connect(m_feeClasses, &ListEditor::rowChanged, this, &SetupFeesPage::feeClassShown);
    connect(m_categories, &ListEditor::rowChanged, this, &SetupFeesPage::categoryShown);
    connect(BtnFeeAdd, &QPushButton::clicked, this, &SetupFeesPage::startNewFeeClass);
    connect(BtnFeeSave, &QPushButton::clicked, this, &SetupFeesPage::saveFeeClass);
    connect(BtnFeeDel, &QPushButton::clicked, this, &SetupFeesPage::deleteFeeClass);
    connect(BtnCateAdd, &QPushButton::clicked, this, &SetupFeesPage::startNewCategory);
    connect(BtnCateSave, &QPushButton::clicked, this, &SetupFeesPage::saveCategory);
    connect(BtnCateDel, &QPushButton::clicked, this, &SetupFeesPage::deleteCategory);
}

QString SetupFeesPage::header() const
{
    return tr("在这儿您可以设置出租影片的租金费用，以及影片的分类情况。");
}

void SetupFeesPage::enter()
{
    if (m_feeClasses->open(m_account.db(), Settings::feeClassListSql()))
        m_categories->open(m_account.db(), Settings::categoryListSql());
}

void SetupFeesPage::feeClassShown()
{
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

void SetupFeesPage::startNewFeeClass()
{
    m_feeClasses->startNew();
    for (QLineEdit *e : {EDFeeName, EDFee, EDFeeYJ})
        e->clear();
    BtnFeeDel->setEnabled(false);
    EDFeeName->setFocus(Qt::OtherFocusReason);
}

void SetupFeesPage::saveFeeClass()
{
    m_feeClasses->save([this] {
        return Settings::saveFeeClass(m_account, m_feeClasses->currentKey(),
                                      {EDFeeName->text(), EDFee->text(), EDFeeYJ->text()});
    });
}

void SetupFeesPage::deleteFeeClass()
{
    m_feeClasses->remove(
        tr("确定要删除类型【%1】吗？").arg(FeeGrid->value(QStringLiteral("Name")).toString()),
        [this](qint64 id) { Settings::deleteFeeClass(m_account, id); });
}

void SetupFeesPage::categoryShown()
{
    if (CateGrid->hasCurrentRow())
        EDCateName->setText(CateGrid->value(QStringLiteral("Categray")).toString());
    BtnCateDel->setEnabled(CateGrid->hasCurrentRow());
}

void SetupFeesPage::startNewCategory()
{
    m_categories->startNew();
    EDCateName->clear();
    BtnCateDel->setEnabled(false);
    EDCateName->setFocus(Qt::OtherFocusReason);
}

void SetupFeesPage::saveCategory()
{
    m_categories->save([this] {
        return Settings::saveCategory(m_account, m_categories->currentKey(), EDCateName->text());
    });
}

void SetupFeesPage::deleteCategory()
{
    m_categories->remove(
        tr("确定要删除分类【%1】吗？").arg(CateGrid->value(QStringLiteral("Categray")).toString()),
        [this](qint64 id) { Settings::deleteCategory(m_account, id); });
}
