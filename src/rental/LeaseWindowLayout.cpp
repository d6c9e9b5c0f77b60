// The controls of the rental window and how they are laid out.
#include "LeaseWindow.h"

#include "RentalLook.h"

#include "toolkit/DataGrid.h"
#include "toolkit/InputFilters.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QLabel *captionFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QToolButton *magnifier(const QString &name, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(hint);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    // Clicking it must not take the focus from the field it fills.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void keepOutOfTabOrder(DataGrid *grid)
{
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->view()->setFocusPolicy(Qt::ClickFocus);
}

} // namespace

void TLeaseFm::buildLayout()
{
    resize(690, 490);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 6);
    root->setSpacing(4);

    Label23 = RentalLook::titleStrip(QString(), this);
    Label23->setObjectName(QStringLiteral("Label23"));
    root->addWidget(Label23);

    auto *boxes = new QHBoxLayout;
    boxes->setContentsMargins(6, 0, 6, 0);
    boxes->addWidget(buildRentalBox(), 5);
    boxes->addWidget(buildFilmBox(), 6);
    boxes->addWidget(buildCustomerBox(), 4);
    root->addLayout(boxes);

    dxDBGrid2 = new DataGrid(this);
    dxDBGrid2->setObjectName(QStringLiteral("dxDBGrid2"));
    dxDBGrid2->setAccessibleName(tr("本次出租列表"));
    dxDBGrid2->addHiddenColumn(QStringLiteral("Seq"));
    dxDBGrid2->addHiddenColumn(QStringLiteral("CDNum"));
    dxDBGrid2->addColumn(QStringLiteral("CustomNum"), tr("编号"), Grid::Kind::Text, 60,
                         Qt::AlignCenter);
    dxDBGrid2->addColumn(QStringLiteral("Name"), tr("名称"), Grid::Kind::Text, 110);
    dxDBGrid2->addColumn(QStringLiteral("NLang"), tr("语言"), Grid::Kind::Text, 40);
    dxDBGrid2->addColumn(QStringLiteral("Ver"), tr("版本"), Grid::Kind::Text, 40);
    dxDBGrid2->addColumn(QStringLiteral("Categray"), tr("类型"), Grid::Kind::Text, 40);
    dxDBGrid2->addColumn(QStringLiteral("Direct"), tr("导演"), Grid::Kind::Text, 70);
    dxDBGrid2->addColumn(QStringLiteral("ActRole"), tr("主演"), Grid::Kind::Text, 90);
    dxDBGrid2->addColumn(QStringLiteral("Address1"), tr("存放地址"), Grid::Kind::Text,
                         60);
    dxDBGrid2->addColumn(QStringLiteral("Deposit"), tr("押金"), Grid::Kind::Money, 55);
    dxDBGrid2->addColumn(QStringLiteral("RMoney"), tr("租金"), Grid::Kind::Money, 55);
    // Taking back: the days each disc was out, the rent it comes to, and how late it is.
    dxDBGrid2->addColumn(QStringLiteral("Days"), tr("天数"), Grid::Kind::Integer, 40);
    dxDBGrid2->addColumn(QStringLiteral("Charge"), tr("应收租金"), Grid::Kind::Money,
                         65);
    dxDBGrid2->addColumn(QStringLiteral("DaysLate"), tr("超期天数"),
                         Grid::Kind::Integer, 60);
    RentalLook::markRowsOver(dxDBGrid2, tr("超期天数"));
    dxDBGrid2->setSort(QStringLiteral("RMoney"), Qt::AscendingOrder);
    dxDBGrid2->setKeyField(QStringLiteral("Seq"));
    keepOutOfTabOrder(dxDBGrid2);

    dxDBGrid1 = new DataGrid(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setAccessibleName(tr("客户已租列表"));
    dxDBGrid1->addHiddenColumn(QStringLiteral("LineID"));
    dxDBGrid1->addColumn(QStringLiteral("DatTime"), tr("出租日期"), Grid::Kind::Date,
                         80);
    dxDBGrid1->addColumn(QStringLiteral("CustomNum"), tr("编号"), Grid::Kind::Text, 60,
                         Qt::AlignCenter);
    dxDBGrid1->addColumn(QStringLiteral("Name"), tr("名称"), Grid::Kind::Text, 130);
    dxDBGrid1->addColumn(QStringLiteral("Direct"), tr("导演"), Grid::Kind::Text, 90);
    dxDBGrid1->addColumn(QStringLiteral("ActRole"), tr("主演"), Grid::Kind::Text, 130);
    dxDBGrid1->addColumn(QStringLiteral("Address1"), tr("存放地址"), Grid::Kind::Text,
                         70);
    dxDBGrid1->addColumn(QStringLiteral("Due"), tr("应还日期"), Grid::Kind::Date, 80);
    dxDBGrid1->addColumn(QStringLiteral("DaysLate"), tr("超期天数"),
                         Grid::Kind::Integer, 60);
    RentalLook::markRowsOver(dxDBGrid1, tr("超期天数"));
    dxDBGrid1->setKeyField(QStringLiteral("LineID"));
    dxDBGrid1->setSort(QStringLiteral("Address1"), Qt::DescendingOrder);
    keepOutOfTabOrder(dxDBGrid1);

    auto *lists = new QVBoxLayout;
    lists->setContentsMargins(6, 0, 6, 0);
    lists->setSpacing(2);
    lists->addWidget(
        buildListStrip(tr("本次出租列表"), EDYJ, EDZJ, LabelSettle, true));
    lists->addWidget(dxDBGrid2, 1);
    lists->addWidget(
        buildListStrip(tr("客户已租列表"), EDBeYJ, EDBeZj, LabelOverdue, false));
    lists->addWidget(dxDBGrid1, 1);
    root->addLayout(lists, 1);

    EDYJ->setObjectName(QStringLiteral("EDYJ"));
    EDZJ->setObjectName(QStringLiteral("EDZJ"));
    // The editable totals take an amount, typed or pasted.
    Input::acceptMoneyOnly(EDYJ);
    Input::acceptMoneyOnly(EDZJ);
    EDBeYJ->setObjectName(QStringLiteral("EDBeYJ"));
    EDBeZj->setObjectName(QStringLiteral("EDBeZj"));
    LabelSettle->setObjectName(QStringLiteral("LabelSettle"));
    LabelOverdue->setObjectName(QStringLiteral("LabelOverdue"));

    // Codes first: a walk-in customer needs nothing else.
    setTabOrder(EDPic, EdPer);
    setTabOrder(EdPer, BtnAdd);
    setTabOrder(BtnAdd, BtnDel);
    setTabOrder(BtnDel, BtnSave);
    setTabOrder(BtnSave, EDYJ);
    setTabOrder(EDYJ, EDZJ);
}

QGroupBox *TLeaseFm::buildRentalBox()
{
    auto *box = new QGroupBox(tr("出租信息"), this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);

    EdPer = new QLineEdit(box);
    EdPer->setObjectName(QStringLiteral("EdPer"));
    BtnFindPer = magnifier(QStringLiteral("BtnFindPer"), tr("选择会员"), box);
    BtnFindPer->setToolTip(tr("选择会员 (F2)"));
    EDPic = new QLineEdit(box);
    EDPic->setObjectName(QStringLiteral("EDPic"));
    BtnSearch = magnifier(QStringLiteral("BtnSearch"), tr("选择影片"), box);
    BtnSearch->setToolTip(tr("选择影片 (F2)"));

    grid->addWidget(captionFor(tr("客户编号"), EdPer, box), 0, 0);
    grid->addWidget(EdPer, 0, 1);
    grid->addWidget(BtnFindPer, 0, 2);
    grid->addWidget(captionFor(tr("影片编码"), EDPic, box), 1, 0);
    grid->addWidget(EDPic, 1, 1);
    grid->addWidget(BtnSearch, 1, 2);

    auto *buttons = new QHBoxLayout;
    BtnAdd = button(QStringLiteral("BtnAdd"), tr("添加"), box);
    BtnDel = button(QStringLiteral("BtnDel"), tr("删除"), box);
    BtnSave = button(QStringLiteral("BtnSave"), tr("完成(F12)"), box);
    for (QPushButton *b : {BtnAdd, BtnDel, BtnSave})
        buttons->addWidget(b);
    grid->addLayout(buttons, 2, 0, 1, 3);
    auto *hint = new QLabel(tr("F2：在编码栏中打开选择列表"), box);
    hint->setObjectName(QStringLiteral("LabelHint"));
    QFont small = hint->font();
    if (small.pointSizeF() > 0)
        small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);
    grid->addWidget(hint, 3, 0, 1, 3);
    return box;
}

QGroupBox *TLeaseFm::buildFilmBox()
{
    auto *box = new QGroupBox(tr("影片信息"), this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    // Name, director and actors take a whole row; category, format and language share rows.
    struct Place
    {
        const char *caption;
        const char *name;
        QLabel **label;
        int row, column, span;
    };
    const Place places[] = {
        {QT_TR_NOOP("名称:"), "Label9", &Label9, 0, 0, 3},
        {QT_TR_NOOP("类型:"), "Label14", &Label14, 1, 0, 1},
        {QT_TR_NOOP("版本:"), "Label11", &Label11, 1, 2, 1},
        {QT_TR_NOOP("语言:"), "Label12", &Label12, 2, 0, 1},
        {QT_TR_NOOP("导演:"), "Label10", &Label10, 3, 0, 3},
        {QT_TR_NOOP("主演:"), "Label13", &Label13, 4, 0, 3},
    };
    for (const Place &p : places) {
        *p.label = RentalLook::valueLabel(box);
        (*p.label)->setObjectName(QLatin1String(p.name));
        (*p.label)->setMinimumWidth(40);
        grid->addWidget(new QLabel(tr(p.caption), box), p.row, p.column);
        grid->addWidget(*p.label, p.row, p.column + 1, 1, p.span);
    }
    Label19Caption = new QLabel(tr("出租日期"), box);
    Label19Caption->setObjectName(QStringLiteral("Label19Caption"));
    Label19 = RentalLook::valueLabel(box);
    Label19->setObjectName(QStringLiteral("Label19"));
    grid->addWidget(Label19Caption, 5, 0);
    grid->addWidget(Label19, 5, 1, 1, 3);
    return box;
}

QGroupBox *TLeaseFm::buildCustomerBox()
{
    auto *box = new QGroupBox(tr("客户信息"), this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setColumnStretch(1, 1);
    const std::pair<const char *, QLabel **> values[] = {
        {QT_TR_NOOP("类    型:"), &Label20},
        {QT_TR_NOOP("剩余数量:"), &Label21},
        {QT_TR_NOOP("到期日期:"), &Label22}};
    const char *names[] = {"Label20", "Label21", "Label22"};
    int row = 0;
    for (const auto &[caption, label] : values) {
        *label = RentalLook::valueLabel(box);
        (*label)->setObjectName(QLatin1String(names[row]));
        grid->addWidget(new QLabel(tr(caption), box), row, 0);
        grid->addWidget(*label, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return box;
}

QWidget *TLeaseFm::buildListStrip(const QString &tag, QLineEdit *&deposit, QLineEdit *&rent,
                                  QLabel *&note, bool editable)
{
    auto *strip = new QWidget(this);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    auto *tagLabel = new QLabel(tag, strip);
    QFont bold = tagLabel->font();
    bold.setBold(true);
    tagLabel->setFont(bold);
    row->addWidget(tagLabel);
    note = editable ? RentalLook::valueLabel(strip) : RentalLook::alertLabel(strip);
    note->setWordWrap(true);
    row->addWidget(note, 1);
    for (QLineEdit **field : {&deposit, &rent}) {
        *field = new QLineEdit(strip);
        (*field)->setAlignment(Qt::AlignRight);
        (*field)->setFixedWidth(80);
        (*field)->setReadOnly(!editable);
        if (!editable)
            (*field)->setFocusPolicy(Qt::NoFocus);
        row->addWidget(captionFor(
            field == &deposit ? tr("押金") : tr("租金"), *field, strip));
        row->addWidget(*field);
    }
    return strip;
}
