#pragma once

#include "shell/BaseWindows.h"

#include <functional>

class DataGrid;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QTabWidget;

// The settings window: seven pages where the shop keeps its base data. It lives in the main
// window's work area from start-up to exit; each page reads its data again when it is shown.
//
// The pages with lists share one routing rule: the page on show sets the page kind, and the
// current-row events of the main list and the second list fill the edits of that page only.
class TSetupFm : public TBaseFm
{
    Q_OBJECT
public:
    enum PageKind { KindMembers = 0, KindOptions, KindFees, KindStaff, KindTypes, KindSuppliers };
    enum PageIndex {
        PageMembers = 0,
        PageOptions,
        PageFees,
        PageStaff,
        PageTypes,
        PageSuppliers,
        PageShop,
        PageCount
    };

    explicit TSetupFm(QWidget *parent = nullptr);
    ~TSetupFm() override;

    // Shows the window on a page. A page becomes current (and reads its data) when it is not
    // the page on show, or when the window was hidden; otherwise the window only comes to
    // the front.
    void showPage(int pageIndex);
    int pageKind() const { return m_pageKind; }

    // The frame.
    QFrame *FlatPanel3 = nullptr;
    QLabel *Label9 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr, *TabSheet4 = nullptr,
            *TabSheet7 = nullptr, *TabSheet8 = nullptr, *TabSheet9 = nullptr;

    // Members.
    DataGrid *ASGrid = nullptr;
    QLineEdit *EDNum = nullptr, *EDNAme = nullptr, *EDPhone = nullptr, *EDGrade = nullptr,
              *EDViewNum = nullptr, *EDMemo = nullptr;
    QDateEdit *EDViewDate = nullptr;
    QLabel *Label20 = nullptr;
    QPushButton *BtnASAdd = nullptr, *BtnAsSave = nullptr, *BtnASDel = nullptr;
    QTabWidget *PageControl2 = nullptr;
    QWidget *TabSheet5 = nullptr, *TabSheet6 = nullptr;
    QPushButton *BtnSAdd = nullptr, *BtnSEdit = nullptr, *BtnDel = nullptr;
    DataGrid *SDBGridFee = nullptr;
    DataGrid *SDBGridLease = nullptr;

    // Rental options.
    QRadioButton *RBtnDay = nullptr, *RBtnVCD = nullptr, *RBtnNo = nullptr, *RbtnReg = nullptr,
                 *RBtnPrint = nullptr, *RBtnPrintNo = nullptr, *RBTnPrA4 = nullptr,
                 *RBTnPrintPOS = nullptr;
    QGroupBox *GroupPaper = nullptr;
    QComboBox *CombRoll = nullptr; // the receipt's paper: slip or roll
    QLineEdit *EDPassDays = nullptr;
    QPushButton *BitBtn1 = nullptr;

    // Fee classes and categories.
    QLineEdit *EDFeeName = nullptr, *EDFee = nullptr, *EDFeeYJ = nullptr, *EDCateName = nullptr;
    QPushButton *BtnFeeAdd = nullptr, *BtnFeeSave = nullptr, *BtnFeeDel = nullptr;
    QPushButton *BtnCateAdd = nullptr, *BtnCateSave = nullptr, *BtnCateDel = nullptr;
    DataGrid *FeeGrid = nullptr;
    DataGrid *CateGrid = nullptr;

    // Staff and permissions.
    DataGrid *PerSonGrid = nullptr;
    QLineEdit *EDPerName = nullptr, *EDPerPWD = nullptr, *EDAddR = nullptr, *EDLX = nullptr,
              *EDPerMemo = nullptr;
    QListWidget *LbPower = nullptr, *LbUserPower = nullptr;
    QPushButton *BtnSingToR = nullptr, *BtnSingToL = nullptr, *BtnAllToL = nullptr,
                *BtnAllToR = nullptr;
    QPushButton *BtnPerAdd = nullptr, *BtnPerSave = nullptr, *BtnPerDel = nullptr;

    // Income/expense types.
    DataGrid *FeeCateGrid = nullptr;
    QLineEdit *EDCNAme = nullptr, *EDCMemo = nullptr;
    QPushButton *BtnCAdd = nullptr, *BtnCsave = nullptr, *BtnCDel = nullptr;

    // Suppliers.
    DataGrid *PGrid = nullptr;
    QLineEdit *EDCompany = nullptr, *EDPAddr = nullptr, *EDPTel = nullptr, *EDPMemo = nullptr;
    QPushButton *BtnPAdd = nullptr, *BtnPSave = nullptr, *BtnPDel = nullptr;

    // Shop details.
    QLineEdit *EDMyCOMpany = nullptr, *EDMyAddr = nullptr, *EDMyTel = nullptr;
    QPushButton *BtnMyDo = nullptr;

    // Asked before permission control is switched on while nobody may open the settings.
    static const QString LockOutQuestion;

    // Handlers, public so that the main window's keys and the tests reach them as a click does.
    void BtnASAddClick();
    void BtnAsSaveClick();
    void BtnASDelClick();
    void BtnSAddClick();
    void BtnSEditClick();
    void BtnDelClick();
    void BitBtn1Click();
    void BtnMyDoClick();
    void BtnFeeAddClick();
    void BtnFeeSaveClick();
    void BtnFeeDelClick();
    void BtnCateAddClick();
    void BtnCateSaveClick();
    void BtnCateDelClick();
    void BtnSingToRClick();
    void BtnSingToLClick();
    void BtnAllToRClick();
    void BtnAllToLClick();
    void BtnPerAddClick();
    void BtnPerSaveClick();
    void BtnPerDelClick();
    void BtnCAddClick();
    void BtnCsaveClick();
    void BtnCDelClick();
    void BtnPAddClick();
    void BtnPSaveClick();
    void BtnPDelClick();

private:
    // Building the pages.
    QWidget *buildMembersPage();
    QWidget *buildOptionsPage();
    QWidget *buildFeesPage();
    QWidget *buildStaffPage();
    QWidget *buildTypesPage();
    QWidget *buildSuppliersPage();
    QWidget *buildShopPage();
    DataGrid *makeGrid(const QString &objectName, const QString &accessibleName);
    void routeMainList(DataGrid *grid);
    void routeSecondList(DataGrid *grid);

    // Page switching: the page about to go loses its grids' rows, the new one reads its own.
    void PageControl1Changing();
    void pageShown(int pageIndex);
    void TabSheet1Show();
    void TabSheet2Show();
    void TabSheet3Show();
    void TabSheet4Show();
    void TabSheet7Show();
    void TabSheet8Show();
    void TabSheet9Show();
    void setHeader(const QString &text);

    // The current-row events, routed by the page kind.
    DataGrid *mainList() const;
    void ADOListLAfterScroll();
    void ADOListRAfterScroll(DataGrid *grid);
    void memberAfterScroll();
    void feeAfterScroll();
    void staffAfterScroll();
    void typeAfterScroll();
    void supplierAfterScroll();

    // Members: the sub-list of the member on show.
    void PageControl2Changing();
    void openMemberSubList();
    void updatePaymentButtons();
    qint64 currentMemberId() const; // 0 while a new member is being entered or none is shown
    void setMemberEditsEnabled(bool saveAllowed, bool deleteAllowed);

    // Staff: the permission lists.
    void fillPowerLists(const QList<int> &granted);
    static void moveSelected(QListWidget *from, QListWidget *to);
    static void moveAll(QListWidget *from, QListWidget *to);

    // A new row is being entered on a list: the edits are empty and a save inserts.
    void startNewRow(DataGrid *grid, bool *adding);
    static qint64 keyOf(const DataGrid *grid, bool adding);
    // Reads a list again and makes the row with this key current (0: the first row).
    void reopenAt(DataGrid *grid, qint64 id);
    // Shows an unexpected database failure as the program's general error message.
    // How a page tells the outcome of a save: Told says "数据保存成功！" or "数据保存失败！";
    // Quiet says nothing on success and shows a failure as the general error message.
    enum class SaveNotice { Quiet, Told };
    // Saves the row on show through save(), which returns its key. A refusal or a failure is
    // shown and the edits keep what was typed; on success the page leaves its adding state and
    // the list is read again at the saved row.
    void saveRow(DataGrid *grid, bool *adding, SaveNotice notice,
                 const std::function<qint64()> &save);
    // Asks question and deletes the row with key id through remove(); the list is read again
    // from its first row. Nothing happens without a row (id 0) or when the answer is not Yes.
    void deleteRow(DataGrid *grid, qint64 id, const QString &question,
                   const std::function<void(qint64)> &remove);

    int m_pageKind = KindMembers;
    bool m_routing = true; // false while the window moves rows itself
    bool m_memberAdding = false;
    bool m_feeAdding = false;
    bool m_cateAdding = false;
    bool m_staffAdding = false;
    bool m_typeAdding = false;
    bool m_supplierAdding = false;
};

// The window as CreateSetupFm made it (null before).
TSetupFm *setupForm();
