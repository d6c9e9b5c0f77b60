#pragma once

#include "LeaseItem.h"

#include "shell/BaseWindows.h"

#include <optional>

class AccountContext;
class DataGrid;
namespace Db {
struct Refusal;
}
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "影碟出租" / "影碟归还": the counter window in which discs are rented out (mode 0) or taken
// back (mode 1). One customer per transaction: a member number (or nobody, the walk-in
// customer), the copies by their codes into the item list, F12 to complete.
//
// Keyboard: a code typed or scanned into "影片编码" followed by Enter is looked up and, when
// found, added at once, so a scanner fills the list without a key in between; leaving the
// field any other way looks it up and puts the focus on "添加". Enter in "客户编号" looks the
// member up. F2 in either code field opens its pick list. Taking back, Enter or a double click
// on a row of the member's discs adds that disc. F12 completes from anywhere; Esc removes the
// current row, or closes the window when the list is empty.
class TLeaseFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    explicit TLeaseFm(AccountContext &account, QWidget *parent = nullptr);
    ~TLeaseFm() override;

    // Sets the captions of the mode (0 rent out, 1 take back) before the window is shown.
    void prepare(int mode);

    int FMode = 0;
    qint64 FMemberID = 0;

    // Handlers, also driven directly by tests.
    void FormShow();
    void ResetEntry();
    bool LookupMember();
    bool LookupTitle(bool addWhenFound);
    void AddItem();
    void BtnDelClick();
    void BtnSaveClick();
    void BtnFindPerClick();
    void BtnSearchClick();

    const QList<Lease::Item> &items() const { return m_items; }

    // Controls, named as the rest of the program and the tests know them.
    QLabel *Label23 = nullptr;  // the mode's title strip
    QLineEdit *EdPer = nullptr; // 客户编号
    QToolButton *BtnFindPer = nullptr;
    QLineEdit *EDPic = nullptr; // 影片编码
    QToolButton *BtnSearch = nullptr;
    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnDel = nullptr;
    QPushButton *BtnSave = nullptr;
    QLabel *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr, *Label14 = nullptr;        // name, director, format, language,
                                                          // actors, category
    QLabel *Label19Caption = nullptr, *Label19 = nullptr; // 出租日期 (taking back)
    QLabel *Label20 = nullptr, *Label21 = nullptr, *Label22 = nullptr; // customer info
    QLineEdit *EDYJ = nullptr, *EDZJ = nullptr;                        // totals of the item list
    QLineEdit *EDBeYJ = nullptr, *EDBeZj = nullptr;                    // totals of the open rentals
    DataGrid *dxDBGrid2 = nullptr;                                     // 本次出租列表
    DataGrid *dxDBGrid1 = nullptr;                                     // 客户已租列表
    QLabel *LabelSettle = nullptr;  // the item list's totals in words
    QLabel *LabelOverdue = nullptr; // the member's overdue discs and ended membership

protected:
    bool keyStep(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    QGroupBox *buildRentalBox();
    QGroupBox *buildFilmBox();
    QGroupBox *buildCustomerBox();
    QWidget *buildListStrip(const QString &tag, QLineEdit *&deposit, QLineEdit *&rent,
                            QLabel *&note, bool editable);
    void explainTotals();
    void takeBackFromList();

    void fieldLeft(QObject *field);
    void clearCustomer();
    bool customerUpToDate();
    bool confirmOtherRenter(const Lease::CopyInfo &copy);
    bool overAllowance();
    void showFoundTitle(const Lease::CopyInfo &copy);
    void showItems(qint64 currentSeq);
    void showOpenRentals(const QList<Lease::OpenRental> &rentals);
    void updateButtons();
    void refuse(const QString &text, QLineEdit *field);
    void afterCompletion();
    void showRefusal(const Db::Refusal &r);
    Lease::Mode mode() const;

    QList<Lease::Item> m_items;
    QList<qint64> m_seqs; // a key per item row, in the order added
    qint64 m_nextSeq = 1;
    std::optional<Lease::CopyInfo> m_found; // the copy "添加" adds
    std::optional<Lease::Member> m_member;  // the member named, as the last lookup found him
    QString m_lookedUpMember;               // texts already looked up since they last changed
    QString m_lookedUpTitle;
    bool m_swallowNextEnter = false; // the confirming Enter after a scan added a disc
    bool m_busy = false;             // a lookup or completion is running
    bool m_shownOnce = false;

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
