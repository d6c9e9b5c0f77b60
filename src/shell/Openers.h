#pragma once

// One routine per window: work, report and chart windows are created on first use, placed in
// the main window's work area and brought to the front; dialogs are created, shown modally
// and freed. Each subsystem defines the routines of its own windows. The account a window works
// in is passed by whoever opens it (the main window passes the context of the run).

class AccountContext;
class QWidget;

// Long-lived work windows, created hidden at start-up in this order.
void CreateLeaseList(AccountContext &account);
void CreateRepertoryFm(AccountContext &account);
void CreateSellMainFm(AccountContext &account);
void CreateSetupFm(AccountContext &account);
void CreateInOutMoneyList(AccountContext &account);
// The five long-lived work windows, for hiding them all (HideWorkWindows).
QWidget *LeaseListWindow();
QWidget *RepertoryWindow();
QWidget *SellMainWindow();
QWidget *SetupWindow();
QWidget *InOutMoneyListWindow();

// Work windows.
void ShowLeaseList(AccountContext &account);
void ShowRepertoryFm(AccountContext &account);
void ShowSellMainFm(AccountContext &account);
void ShowSetupPage(AccountContext &account, int pageIndex);
void ShowInOutMoneyList(AccountContext &account);

// Dialogs.
void ShowLeaseWindow(AccountContext &account, int mode); // 0 rent out, 1 take back

// Reports and charts.
void ShowRentalReport(AccountContext &account);
void ShowOverdueReport(AccountContext &account);
void ShowMemberReport(AccountContext &account);
void ShowQStoreRep(AccountContext &account);
void ShowSellStockRep(AccountContext &account);
void ShowQSellDetailFm(AccountContext &account);
void ShowQPHFm(AccountContext &account, int mode); // 0 rental ranking, 1 sales ranking
void ShowLeaseChart(AccountContext &account);
void ShowStoreChart(AccountContext &account);
void ShowCompareChart(AccountContext &account);

// The audit log and the shift cash-up.
void ShowAuditLog(AccountContext &account);
void ShowCashUp(AccountContext &account);     // the dialog closing the logged-in operator's shift
void ShowCashUpList(AccountContext &account); // past cash-ups, their list and report

// Help menu and accounts.
void ShowTips();
void ShowAbout();
void ShowNewAccount(AccountContext &account);
void ShowOpenAccount(AccountContext &account);
void ShowBackup(AccountContext &account);
