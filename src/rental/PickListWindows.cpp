#include "PickListWindows.h"

#include "PickLists.h"

#include "data/Db.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString kAllTitles = QStringLiteral(
    "SELECT ID, CustomNum, Name, Nlang, Ver, Categray, Direct, ActRole, Address1 FROM TBName");

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Enter on a row of the list chooses it, as a double click does.
bool enterOnGrid(DataGrid *grid, const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == grid || grid->isAncestorOf(focus));
}

} // namespace

// ---------------------------------------------------------------------------------------------

TSelectPicFm::TSelectPicFm(QWidget *parent) : TBaseDlgFM(parent)
{
    setObjectName(QStringLiteral("TSelectPicFm"));
    setWindowTitle(QStringLiteral("选择影片"));
    resize(710, 360);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    auto *top = new QHBoxLayout;
    CombCate = new QComboBox(this);
    CombCate->setObjectName(QStringLiteral("CombCate"));
    CombCate->setEditable(false);
    CombCate->setMinimumWidth(150);
    auto *caption = new QLabel(QStringLiteral("影片类型"), this);
    caption->setBuddy(CombCate);
    top->addWidget(caption);
    top->addWidget(CombCate);
    top->addStretch();
    BtnOk = button(QStringLiteral("BtnOk"), QStringLiteral("选中"), this);
    BtnClose = button(QStringLiteral("BtnClose"), QStringLiteral("退出"), this);
    top->addWidget(BtnOk);
    top->addWidget(BtnClose);
    root->addLayout(top);

    DBGridList = new DataGrid(this);
    DBGridList->setObjectName(QStringLiteral("DBGridList"));
    DBGridList->setAccessibleName(QStringLiteral("影片列表"));
    DBGridList->setGroupBoxVisible(false);
    DBGridList->addHiddenColumn(QStringLiteral("ID"));
    DBGridList->addColumn(QStringLiteral("CustomNum"), QStringLiteral("编号"), Grid::Kind::Text,
                          70);
    DBGridList->addColumn(QStringLiteral("Name"), QStringLiteral("名称"), Grid::Kind::Text, 140);
    DBGridList->addColumn(QStringLiteral("Nlang"), QStringLiteral("语言"), Grid::Kind::Text, 45);
    DBGridList->addColumn(QStringLiteral("Ver"), QStringLiteral("版本"), Grid::Kind::Text, 45);
    DBGridList->addColumn(QStringLiteral("Categray"), QStringLiteral("类型"), Grid::Kind::Text, 50);
    DBGridList->addColumn(QStringLiteral("Direct"), QStringLiteral("导演"), Grid::Kind::Text, 90);
    DBGridList->addColumn(QStringLiteral("ActRole"), QStringLiteral("主演"), Grid::Kind::Text, 130);
    DBGridList->addColumn(QStringLiteral("Address1"), QStringLiteral("存放地址"));
    DBGridList->setLastColumnFills(true);
    DBGridList->setKeyField(QStringLiteral("ID"));
    root->addWidget(DBGridList, 1);

    // Categories in the order they were made; "所有类型" shows every title.
    CombCate->addItem(QStringLiteral("所有类型"), 0);
    try {
        QSqlQuery q = Db::exec(QStringLiteral("SELECT ID, Categray FROM TBCategray ORDER BY ID"));
        while (q.next())
            CombCate->addItem(Db::text(q, "Categray"), Db::integer(q, "ID"));
        DBGridList->open(kAllTitles);
    } catch (const Db::DbError &e) {
        Msg::error(this, e.message());
    }
    CombCate->setCurrentIndex(0);

    connect(CombCate, &QComboBox::currentIndexChanged, this, &TSelectPicFm::CombCateChange);
    connect(BtnOk, &QPushButton::clicked, this, &TSelectPicFm::BtnOkClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGridList, &DataGrid::rowActivated, this, &TSelectPicFm::BtnOkClick);
}

void TSelectPicFm::CombCateChange(int index)
{
    try {
        if (index <= 0)
            DBGridList->open(kAllTitles);
        else
            DBGridList->open(kAllTitles + QStringLiteral(" WHERE Categray = ?"),
                             {CombCate->itemText(index)});
    } catch (const Db::DbError &e) {
        Msg::error(this, e.message());
        return;
    }
    DBGridList->setCurrentPosition(0);
    // The first title of the new list is the answer unless another is chosen.
    m_answer = DBGridList->isEmpty() ? QString()
                                     : DBGridList->value(QStringLiteral("CustomNum")).toString();
}

void TSelectPicFm::BtnOkClick()
{
    if (DBGridList->isEmpty() || !DBGridList->hasCurrentRow())
        return;
    m_answer = DBGridList->value(QStringLiteral("CustomNum")).toString();
    accept();
}

bool TSelectPicFm::keyStep(QKeyEvent *event)
{
    if (enterOnGrid(DBGridList, event)) {
        BtnOkClick();
        return true;
    }
    return TBaseDlgFM::keyStep(event);
}

QString SelectTitle(QWidget *parent)
{
    TSelectPicFm dialog(parent);
    dialog.exec();
    return dialog.DBGridList->isEmpty() ? QString() : dialog.answer();
}

// ---------------------------------------------------------------------------------------------

TSelectPerFm::TSelectPerFm(QWidget *parent) : TBaseDlgFM(parent)
{
    setObjectName(QStringLiteral("TSelectPerFm"));
    setWindowTitle(QStringLiteral("会员选择"));
    resize(270, 310);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    auto *top = new QHBoxLayout;
    top->addStretch();
    BtnOk = button(QStringLiteral("BtnOk"), QStringLiteral("选中"), this);
    BtnClose = button(QStringLiteral("BtnClose"), QStringLiteral("退出"), this);
    top->addWidget(BtnOk);
    top->addWidget(BtnClose);
    root->addLayout(top);

    DBGridList = new DataGrid(this);
    DBGridList->setObjectName(QStringLiteral("DBGridList"));
    DBGridList->setAccessibleName(QStringLiteral("会员列表"));
    DBGridList->setGroupBoxVisible(false);
    DBGridList->addHiddenColumn(QStringLiteral("ID"));
    DBGridList->addColumn(QStringLiteral("Num"), QStringLiteral("编号"), Grid::Kind::Text, 90);
    DBGridList->addColumn(QStringLiteral("Name"), QStringLiteral("姓名"));
    DBGridList->setLastColumnFills(true);
    DBGridList->setSort(QStringLiteral("Num"), Qt::AscendingOrder);
    DBGridList->setKeyField(QStringLiteral("ID"));
    root->addWidget(DBGridList, 1);

    try {
        DBGridList->open(QStringLiteral("SELECT ID, Num, Name FROM TBAssociator "
                                         "ORDER BY Name COLLATE PINYIN, ID"));
    } catch (const Db::DbError &e) {
        Msg::error(this, e.message());
    }

    connect(BtnOk, &QPushButton::clicked, this, &TSelectPerFm::BtnOkClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGridList, &DataGrid::rowActivated, this, &TSelectPerFm::BtnOkClick);
}

void TSelectPerFm::BtnOkClick()
{
    if (DBGridList->isEmpty() || !DBGridList->hasCurrentRow())
        return;
    m_answer = DBGridList->value(QStringLiteral("Num")).toString();
    accept();
}

bool TSelectPerFm::keyStep(QKeyEvent *event)
{
    if (enterOnGrid(DBGridList, event)) {
        BtnOkClick();
        return true;
    }
    return TBaseDlgFM::keyStep(event);
}

QString SelectMember(QWidget *parent)
{
    TSelectPerFm dialog(parent);
    dialog.exec();
    return dialog.answer();
}
