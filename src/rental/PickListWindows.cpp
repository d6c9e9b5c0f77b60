#include "PickListWindows.h"

#include "data/AccountContext.h"

#include "PickLists.h"

#include "data/Db.h"
#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Every title with its state (the five state names are bound, in the program's language); the
// conditions of the choice, the category and the search are added to the WHERE clause.
const QString kTitles = QStringLiteral(
    "SELECT b.ID, b.CustomNum, b.Name, b.Nlang, b.Ver, b.Categray, b.Direct, b.ActRole, "
    "b.Address1, CASE "
    "WHEN EXISTS (SELECT 1 FROM TBBusinessDetail AS d WHERE d.CDNum = b.ID AND d.ReDate IS NULL "
    "AND d.Ass_Number <> -1) THEN ? "
    "WHEN b.Quality = 5 OR EXISTS (SELECT 1 FROM TBBusinessDetail AS d WHERE d.CDNum = b.ID "
    "AND d.ReDate IS NULL) THEN ? "
    "WHEN b.Quality = 3 THEN ? WHEN b.Quality = 4 THEN ? ELSE ? END AS State "
    "FROM TBName AS b WHERE 1 = 1");

QString choiceCondition(TitleChoice choice)
{
    switch (choice) {
    case TitleChoice::Available:
        return QStringLiteral(
            " AND NOT EXISTS (SELECT 1 FROM TBBusinessDetail AS d WHERE d.CDNum = b.ID AND "
            "d.ReDate IS NULL) AND EXISTS (SELECT 1 FROM TBVer AS v WHERE v.Name = b.Ver)");
    case TitleChoice::Out:
        return QStringLiteral(" AND EXISTS (SELECT 1 FROM TBBusinessDetail AS d WHERE "
                              "d.CDNum = b.ID AND d.ReDate IS NULL AND d.Ass_Number <> -1)");
    case TitleChoice::Any:
        break;
    }
    return QString();
}

// The searched text as a LIKE pattern that matches it anywhere, its own % and _ taken as such.
QString containing(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    t.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    t.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + t + QLatin1Char('%');
}

QLineEdit *searchField(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("EDSearch"));
    e->setPlaceholderText(QCoreApplication::translate("PickLists", "输入编号或名称查找"));
    e->setMinimumWidth(160);
    return e;
}

// Up, Down, Page Up and Page Down typed into the search field move the highlight of the list.
bool moveHighlight(DataGrid *grid, const QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_PageDown:
        step = 10;
        break;
    case Qt::Key_PageUp:
        step = -10;
        break;
    default:
        return false;
    }
    if (grid->isEmpty())
        return true;
    const int from = grid->hasCurrentRow() ? grid->currentPosition() : (step > 0 ? -1 : 0);
    grid->setCurrentPosition(std::clamp(from + step, 0, grid->rowCount() - 1));
    return true;
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Enter on a row of the list, or in the search field, chooses the highlighted row, as a
// double click does.
bool enterChooses(DataGrid *grid, QLineEdit *search, const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == search || focus == grid || grid->isAncestorOf(focus));
}

} // namespace

// ---------------------------------------------------------------------------------------------

TSelectPicFm::TSelectPicFm(AccountContext &account, QWidget *parent, TitleChoice choice)
    : TBaseDlgFM(parent), m_choice(choice), m_account(account)
{
    setObjectName(QStringLiteral("TSelectPicFm"));
    setWindowTitle(tr("选择影片"));
    resize(710, 360);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    auto *top = new QHBoxLayout;
    EDSearch = searchField(this);
    auto *searchCaption = new QLabel(tr("查找"), this);
    searchCaption->setBuddy(EDSearch);
    top->addWidget(searchCaption);
    top->addWidget(EDSearch);
    CombCate = new QComboBox(this);
    CombCate->setObjectName(QStringLiteral("CombCate"));
    CombCate->setEditable(false);
    CombCate->setMinimumWidth(150);
    auto *caption = new QLabel(tr("影片类型"), this);
    caption->setBuddy(CombCate);
    top->addWidget(caption);
    top->addWidget(CombCate);
    top->addStretch();
    BtnOk = button(QStringLiteral("BtnOk"), tr("选中"), this);
    BtnClose = button(QStringLiteral("BtnClose"), tr("退出"), this);
    top->addWidget(BtnOk);
    top->addWidget(BtnClose);
    root->addLayout(top);

    DBGridList = new DataGrid(this);
    DBGridList->setObjectName(QStringLiteral("DBGridList"));
    DBGridList->setAccessibleName(tr("影片列表"));
    DBGridList->setGroupBoxVisible(false);
    DBGridList->addHiddenColumn(QStringLiteral("ID"));
    DBGridList->addColumn(QStringLiteral("CustomNum"), tr("编号"), Grid::Kind::Text,
                          70);
    DBGridList->addColumn(QStringLiteral("Name"), tr("名称"), Grid::Kind::Text, 140);
    DBGridList->addColumn(QStringLiteral("Nlang"), tr("语言"), Grid::Kind::Text, 45);
    DBGridList->addColumn(QStringLiteral("Ver"), tr("版本"), Grid::Kind::Text, 45);
    DBGridList->addColumn(QStringLiteral("Categray"), tr("类型"), Grid::Kind::Text, 50);
    DBGridList->addColumn(QStringLiteral("Direct"), tr("导演"), Grid::Kind::Text, 90);
    DBGridList->addColumn(QStringLiteral("ActRole"), tr("主演"), Grid::Kind::Text, 130);
    DBGridList->addColumn(QStringLiteral("Address1"), tr("存放地址"), Grid::Kind::Text,
                          70);
    DBGridList->addColumn(QStringLiteral("State"), tr("状态"));
    DBGridList->setLastColumnFills(true);
    DBGridList->setKeyField(QStringLiteral("ID"));
    root->addWidget(DBGridList, 1);

    // Categories in the order they were made; "所有类型" shows every title.
    CombCate->addItem(tr("所有类型"), 0);
    try {
        QSqlQuery q = Db::exec(QStringLiteral("SELECT ID, Categray FROM TBCategray ORDER BY ID"),
                               {}, m_account.db());
        while (q.next())
            CombCate->addItem(Db::text(q, "Categray"), Db::integer(q, "ID"));
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    CombCate->setCurrentIndex(0);
    reopen();
    DBGridList->setCurrentPosition(0);
    EDSearch->setFocus();
    connect(EDSearch, &QLineEdit::textChanged, this, [this] {
        reopen();
        DBGridList->setCurrentPosition(0);
    });

    connect(CombCate, &QComboBox::currentIndexChanged, this, &TSelectPicFm::CombCateChange);
    connect(BtnOk, &QPushButton::clicked, this, &TSelectPicFm::BtnOkClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGridList, &DataGrid::rowActivated, this, &TSelectPicFm::BtnOkClick);
}

void TSelectPicFm::reopen()
{
    QString sql = kTitles + choiceCondition(m_choice);
    QVariantList params{tr("已出租"), tr("已售出"), tr("已删除"), tr("已报废"), tr("在库")};
    if (CombCate->currentIndex() > 0) {
        sql += QStringLiteral(" AND b.Categray = ?");
        params << CombCate->currentText();
    }
    if (!EDSearch->text().trimmed().isEmpty()) {
        sql += QStringLiteral(
            " AND (b.CustomNum LIKE ? ESCAPE '\\' OR b.Name LIKE ? ESCAPE '\\')");
        params << containing(EDSearch->text()) << containing(EDSearch->text());
    }
    try {
        DBGridList->open(m_account.db(), sql, params);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

void TSelectPicFm::CombCateChange(int)
{
    reopen();
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
    if (enterChooses(DBGridList, EDSearch, event)) {
        BtnOkClick();
        return true;
    }
    if (QApplication::focusWidget() == EDSearch && moveHighlight(DBGridList, event))
        return true;
    return TBaseDlgFM::keyStep(event);
}

QString SelectTitle(AccountContext &account, QWidget *parent, TitleChoice choice)
{
    TSelectPicFm dialog(account, parent, choice);
    dialog.exec();
    return dialog.DBGridList->isEmpty() ? QString() : dialog.answer();
}

// ---------------------------------------------------------------------------------------------

TSelectPerFm::TSelectPerFm(AccountContext &account, QWidget *parent)
    : TBaseDlgFM(parent), m_account(account)
{
    setObjectName(QStringLiteral("TSelectPerFm"));
    setWindowTitle(tr("会员选择"));
    resize(270, 310);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    auto *top = new QHBoxLayout;
    EDSearch = searchField(this);
    EDSearch->setMinimumWidth(100);
    auto *searchCaption = new QLabel(tr("查找"), this);
    searchCaption->setBuddy(EDSearch);
    top->addWidget(searchCaption);
    top->addWidget(EDSearch, 1);
    BtnOk = button(QStringLiteral("BtnOk"), tr("选中"), this);
    BtnClose = button(QStringLiteral("BtnClose"), tr("退出"), this);
    top->addWidget(BtnOk);
    top->addWidget(BtnClose);
    root->addLayout(top);

    DBGridList = new DataGrid(this);
    DBGridList->setObjectName(QStringLiteral("DBGridList"));
    DBGridList->setAccessibleName(tr("会员列表"));
    DBGridList->setGroupBoxVisible(false);
    DBGridList->addHiddenColumn(QStringLiteral("ID"));
    DBGridList->addColumn(QStringLiteral("Num"), tr("编号"), Grid::Kind::Text, 90);
    DBGridList->addColumn(QStringLiteral("Name"), tr("姓名"));
    DBGridList->setLastColumnFills(true);
    DBGridList->setSort(QStringLiteral("Num"), Qt::AscendingOrder);
    DBGridList->setKeyField(QStringLiteral("ID"));
    root->addWidget(DBGridList, 1);

    reopen();
    DBGridList->setCurrentPosition(0);
    EDSearch->setFocus();
    connect(EDSearch, &QLineEdit::textChanged, this, [this] {
        reopen();
        DBGridList->setCurrentPosition(0);
    });

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

void TSelectPerFm::reopen()
{
    QString sql = QStringLiteral("SELECT ID, Num, Name FROM TBAssociator");
    QVariantList params;
    if (!EDSearch->text().trimmed().isEmpty()) {
        sql += QStringLiteral(" WHERE Num LIKE ? ESCAPE '\\' OR Name LIKE ? ESCAPE '\\'");
        params << containing(EDSearch->text()) << containing(EDSearch->text());
    }
    try {
        DBGridList->open(m_account.db(), sql + QStringLiteral(" ORDER BY Name COLLATE PINYIN, ID"),
                         params);
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
}

bool TSelectPerFm::keyStep(QKeyEvent *event)
{
    if (enterChooses(DBGridList, EDSearch, event)) {
        BtnOkClick();
        return true;
    }
    if (QApplication::focusWidget() == EDSearch && moveHighlight(DBGridList, event))
        return true;
    return TBaseDlgFM::keyStep(event);
}

QString SelectMember(AccountContext &account, QWidget *parent)
{
    TSelectPerFm dialog(account, parent);
    dialog.exec();
    return dialog.answer();
}
