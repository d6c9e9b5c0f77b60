#pragma once

// One routine per window: work, report and chart windows are created on first use, placed in
// the main window's work area and brought to the front; dialogs are created, shown modally
// and freed. Each subsystem defines the routines of its own windows.

class QWidget;

// Long-lived work windows, created hidden at start-up in this order.
void CreateLeaseList();
void CreateRepertoryFm();
void CreateSellMainFm();
void CreateSetupFm();
void CreateInOutMoneyList();
// The five long-lived work windows, for hiding them all (HideWorkWindows).
QWidget *LeaseListWindow();
QWidget *RepertoryWindow();
QWidget *SellMainWindow();
QWidget *SetupWindow();
QWidget *InOutMoneyListWindow();

// Work windows.
void ShowLeaseList();
void ShowRepertoryFm();
void ShowSellMainFm();
void ShowSetupPage(int pageIndex);
void ShowInOutMoneyList();

// Dialogs.
void ShowLeaseWindow(int mode); // 0 rent out, 1 take back

// Reports and charts.
void ShowRentalReport();
void ShowOverdueReport();
void ShowMemberReport();
void ShowQStoreRep();
void ShowSellStockRep();
void ShowQSellDetailFm();
void ShowQPHFm(int mode); // 0 rental ranking, 1 sales ranking
void ShowLeaseChart();
void ShowStoreChart();
void ShowCompareChart();

// The audit log and the shift cash-up.
void ShowAuditLog();
void ShowCashUp();     // the dialog closing the logged-in operator's shift
void ShowCashUpList(); // past cash-ups, their list and report

// Help menu and accounts.
void ShowTips();
void ShowAbout();
void ShowNewAccount();
void ShowOpenAccount();
void ShowBackup();
