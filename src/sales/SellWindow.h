#pragma once

#include "SaleStore.h"

#include "shell/BaseWindows.h"

#include <optional>

class AccountContext;
class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;

// The sale window ("影碟销售"): copies are looked up by code, given a price and a quantity,
// collected in a list with a running total, and sold together with F12. Opened with a sale
// line's ID it corrects that line: the first completion replaces it.
class TSellFm : public TBaseDlgFM
{
    Q_OBJECT
public:
    // saleId <= 0: a new sale; otherwise the TBBusinessDetail.ID of the sale line to correct.
    explicit TSellFm(AccountContext &account, qint64 saleId, QWidget *parent = nullptr);

    QLineEdit *EDPic = nullptr;
    QPushButton *BtnSearch = nullptr;
    QLineEdit *EDPrice = nullptr;
    QLineEdit *EDAmount = nullptr;
    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnDel = nullptr;
    QPushButton *BtnSave = nullptr; // 完成(F12)
    QLabel *LabName = nullptr;
    QLabel *LabCate = nullptr;
    QLabel *LabVer = nullptr;
    QLabel *LabLang = nullptr;
    QLabel *LabDirect = nullptr;
    QLabel *LabActRole = nullptr;
    QLineEdit *EDYJ = nullptr; // 总金额
    DataGrid *dxDBGrid2 = nullptr;

    const QList<SaleStore::SaleRow> &rows() const { return m_rows; }
    qint64 saleId() const { return m_saleId; }

    // Looks up the code in the code box; true when a saleable copy was found.
    bool EDPicExit();
    void BtnSearchClick();
    void BtnAddClick();
    void BtnDelClick();
    void BtnSaveClick();
    // Enter or a double click on a row of the list: the row goes back into the entry boxes to
    // have its price or quantity corrected, and 添加 puts it back.
    void EditRow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool keyStep(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void showRows();
    void ADOListAfterScroll();
    void showCopy(const SaleStore::SaleCopy *copy);
    void resetEntry();
    void refuse(const QString &text, QLineEdit *field);
    enum class Leaving { No, Yes };
    bool lookUp(Leaving leaving);
    void reportMiss();

    qint64 m_saleId;
    QList<SaleStore::SaleRow> m_rows;
    std::optional<SaleStore::SaleCopy> m_found;
    bool m_shown = false;
    bool m_missPending = false; // a failed lookup waits to be reported

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};
