#include "SetupStaffPage.h"

#include "data/AccountContext.h"

#include "ListEditor.h"
#include "SetupLayout.h"
#include "StaffStore.h"

#include "toolkit/DataGrid.h"
#include "toolkit/MessageBox.h"

#include "data/Db.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace SetupLayout;

namespace {

// Each list entry carries the PowerId of its catalogue row.
constexpr int PowerIdRole = Qt::UserRole;

// The permission names a new account's catalogue holds, shown in the program's language; a
// name the program does not know is shown as stored.
[[maybe_unused]] const char *const kPowerNames[] = {
    QT_TRANSLATE_NOOP("Power", "出租/归还"), QT_TRANSLATE_NOOP("Power", "库存管理"),
    QT_TRANSLATE_NOOP("Power", "统计/分析"), QT_TRANSLATE_NOOP("Power", "销售管理"),
    QT_TRANSLATE_NOOP("Power", "系统设置"),  QT_TRANSLATE_NOOP("Power", "费用收支"),
    QT_TRANSLATE_NOOP("Power", "文件/帐户"), QT_TRANSLATE_NOOP("Power", "交班结算"),
};

QListWidgetItem *powerItem(const Settings::Power &p)
{
    auto *item =
        new QListWidgetItem(QCoreApplication::translate("Power", p.name.toUtf8().constData()));
    item->setData(PowerIdRole, p.id);
    return item;
}

QListWidget *powerList(const QString &objectName, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

QPushButton *moveButton(const QString &caption, const QString &objectName, QWidget *parent)
{
    QPushButton *b = button(caption, objectName, parent);
    b->setFixedWidth(36);
    return b;
}

} // namespace

SetupStaffPage::SetupStaffPage(AccountContext &account, QWidget *parent)
    : SetupPage(account, parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);

    PerSonGrid = listGrid(QStringLiteral("PerSonGrid"), tr("人员列表"), this);
    PerSonGrid->addColumn(QStringLiteral("ID"), tr("编号"), Grid::Kind::Integer, 40,
                          Qt::AlignCenter);
    PerSonGrid->addColumn(QStringLiteral("Name"), tr("姓名"), Grid::Kind::Text, 100);
    PerSonGrid->setFooterVisible(false);
    PerSonGrid->setFixedWidth(161);
    row->addWidget(PerSonGrid);

    auto *right = new QVBoxLayout;
    row->addLayout(right, 1);

    auto *basic = new QGroupBox(tr("基本信息"), this);
    auto *fields = new QGridLayout(basic);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    EDPerName = addField(fields, 0, 0, tr("姓    名"), QStringLiteral("EDPerName"), basic);
    EDPerPWD = addField(fields, 0, 2, tr("操作口令"), QStringLiteral("EDPerPWD"), basic);
    // The password is typed and kept, never shown: the page is open at the counter.
    EDPerPWD->setEchoMode(QLineEdit::Password);
    EDPerPWD->setPlaceholderText(tr("不修改口令请留空"));
    EDAddR = addField(fields, 1, 0, tr("居住地址"), QStringLiteral("EDAddR"), basic, 3);
    EDLX = addField(fields, 2, 0, tr("联系方式"), QStringLiteral("EDLX"), basic, 3);
    EDPerMemo = addField(fields, 3, 0, tr("说   明"), QStringLiteral("EDPerMemo"), basic, 3);
    right->addWidget(basic);

    auto *powers = new QGroupBox(tr("权限分配"), this);
    auto *powerRow = new QGridLayout(powers);
    LbPower = powerList(QStringLiteral("LbPower"), powers);
    LbUserPower = powerList(QStringLiteral("LbUserPower"), powers);
    auto *allCaption = new QLabel(tr("所有权限"), powers);
    allCaption->setBuddy(LbPower);
    auto *heldCaption = new QLabel(tr("人员所具有的权限"), powers);
    heldCaption->setBuddy(LbUserPower);
    auto *moves = new QVBoxLayout;
    BtnSingToR = moveButton(QStringLiteral(">"), QStringLiteral("BtnSingToR"), powers);
    BtnSingToL = moveButton(QStringLiteral("<"), QStringLiteral("BtnSingToL"), powers);
    BtnAllToL = moveButton(QStringLiteral("<<"), QStringLiteral("BtnAllToL"), powers);
    BtnAllToR = moveButton(QStringLiteral(">>"), QStringLiteral("BtnAllToR"), powers);
    moves->addStretch(1);
    for (QPushButton *b : {BtnSingToR, BtnSingToL, BtnAllToL, BtnAllToR})
        moves->addWidget(b);
    moves->addStretch(1);
    powerRow->addWidget(allCaption, 0, 0);
    powerRow->addWidget(heldCaption, 0, 2);
    // Tab order: the catalogue, the move buttons, then the granted list.
    powerRow->addWidget(LbPower, 1, 0);
    powerRow->addLayout(moves, 1, 1);
    powerRow->addWidget(LbUserPower, 1, 2);
    right->addWidget(powers, 1);

    right->addWidget(rule(this));
    BtnPerAdd = button(tr("添  加"), QStringLiteral("BtnPerAdd"), this);
    BtnPerSave = button(tr("保  存"), QStringLiteral("BtnPerSave"), this);
    BtnPerDel = button(tr("删  除"), QStringLiteral("BtnPerDel"), this);
    right->addLayout(buttonRow(BtnPerAdd, BtnPerSave, BtnPerDel));

    m_staff = new ListEditor(PerSonGrid, ListEditor::SaveNotice::Told, this);
    connect(m_staff, &ListEditor::rowChanged, this, &SetupStaffPage::staffShown);
    const auto toRight = [this] { moveSelected(LbPower, LbUserPower); };
    const auto toLeft = [this] { moveSelected(LbUserPower, LbPower); };
    connect(BtnSingToR, &QPushButton::clicked, this, toRight);
    connect(BtnSingToL, &QPushButton::clicked, this, toLeft);
    connect(BtnAllToR, &QPushButton::clicked, this, [this] { moveAll(LbPower, LbUserPower); });
    connect(BtnAllToL, &QPushButton::clicked, this, [this] { moveAll(LbUserPower, LbPower); });
    // A double click moves the entry across, as the single-move buttons do.
    connect(LbPower, &QListWidget::itemDoubleClicked, this, toRight);
    connect(LbUserPower, &QListWidget::itemDoubleClicked, this, toLeft);
    connect(BtnPerAdd, &QPushButton::clicked, this, &SetupStaffPage::startNewStaff);
    connect(BtnPerSave, &QPushButton::clicked, this, &SetupStaffPage::saveStaff);
    connect(BtnPerDel, &QPushButton::clicked, this, &SetupStaffPage::deleteStaff);
}

QString SetupStaffPage::header() const
{
    return tr("在这儿您可以进行员工的管理操作。");
}

void SetupStaffPage::enter()
{
    m_staff->open(m_account.db(), Settings::staffListSql());
}

void SetupStaffPage::fillPowerLists(const QList<int> &granted)
{
    LbPower->clear();
    LbUserPower->clear();
    QList<Settings::Power> catalogue;
    try {
        catalogue = Settings::powerCatalogue(m_account.db());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
        return;
    }
    for (const Settings::Power &p : catalogue)
        LbPower->addItem(powerItem(p));
    // Each grant moves the first catalogue entry with its ID across; unknown IDs are skipped.
    for (int id : granted) {
        for (int i = 0; i < LbPower->count(); ++i) {
            if (LbPower->item(i)->data(PowerIdRole).toInt() == id) {
                LbUserPower->addItem(LbPower->takeItem(i));
                break;
            }
        }
    }
}

void SetupStaffPage::staffShown()
{
    BtnPerDel->setEnabled(PerSonGrid->hasCurrentRow());
    if (!PerSonGrid->hasCurrentRow())
        return; // the edits and the permission lists keep what they showed
    auto field = [this](const char *name) {
        return PerSonGrid->value(QLatin1String(name)).toString();
    };
    EDPerName->setText(field("Name"));
    // Only a hash is stored: the field stays empty, and a save keeps the password unless the
    // operator typed a new one.
    EDPerPWD->clear();
    EDPerPWD->setModified(false);
    EDAddR->setText(field("Address"));
    EDLX->setText(field("Telephone"));
    EDPerMemo->setText(field("Memo"));
    QList<int> granted;
    try {
        granted = Settings::grantedPowers(m_account.db(),
                                          PerSonGrid->value(QStringLiteral("ID")).toLongLong());
    } catch (const Db::DbError &e) {
        Msg::fault(this, e);
    }
    fillPowerLists(granted);
}

void SetupStaffPage::moveSelected(QListWidget *from, QListWidget *to)
{
    if (from->count() == 0)
        return;
    QList<int> selected;
    for (int i = 0; i < from->count(); ++i) {
        if (from->item(i)->isSelected())
            selected << i;
    }
    const int noted = selected.isEmpty() ? 0 : selected.first();
    // From the last selected entry to the first, each to the end of the other list.
    for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
        QListWidgetItem *item = from->takeItem(*it);
        item->setSelected(false);
        to->addItem(item);
    }
    from->setFocus(Qt::OtherFocusReason);
    from->clearSelection();
    if (from->count() > 0) {
        const int pos = qMin(noted, from->count() - 1);
        from->setCurrentRow(pos);
        from->item(pos)->setSelected(true);
    }
}

void SetupStaffPage::moveAll(QListWidget *from, QListWidget *to)
{
    while (from->count() > 0) {
        QListWidgetItem *item = from->takeItem(0);
        item->setSelected(false);
        to->addItem(item);
    }
    from->setFocus(Qt::OtherFocusReason);
}

void SetupStaffPage::startNewStaff()
{
    m_staff->startNew();
    for (QLineEdit *e : {EDPerName, EDPerPWD, EDAddR, EDLX, EDPerMemo})
        e->clear();
    fillPowerLists({});
    BtnPerDel->setEnabled(false);
    EDPerName->setFocus(Qt::OtherFocusReason);
}

void SetupStaffPage::saveStaff()
{
    QList<int> powerIds;
    for (int i = 0; i < LbUserPower->count(); ++i)
        powerIds << LbUserPower->item(i)->data(PowerIdRole).toInt();
    const Settings::StaffEntry entry{
        EDPerName->text(), EDPerPWD->text(),  EDAddR->text(),
        EDLX->text(),      EDPerMemo->text(), !m_staff->isAdding() && !EDPerPWD->isModified()};
    // The staff row and its permissions are saved together.
    const qint64 id = m_staff->currentKey();
    m_staff->save([&] { return Settings::saveStaff(m_account, id, entry, powerIds); });
}

void SetupStaffPage::deleteStaff()
{
    m_staff->remove(
        tr("确定要删除人员【%1】吗？").arg(PerSonGrid->value(QStringLiteral("Name")).toString()),
        [this](qint64 id) { Settings::deleteStaff(m_account, id); });
}
