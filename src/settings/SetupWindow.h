#pragma once

#include "shell/BaseWindows.h"

#include <QList>

class AccountContext;
class QFrame;
class QLabel;
class QTabWidget;
class SetupPage;

// The settings window: seven pages where the shop keeps its base data, one tab each under a
// header line. It lives in the main window's work area from start-up to exit. A page reads
// its data again when it comes into view; the pages out of sight let their rows go.
class TSetupFm : public TBaseFm
{
    Q_OBJECT
public:
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

    explicit TSetupFm(AccountContext &account, QWidget *parent = nullptr);
    ~TSetupFm() override;

    // Shows the window on a page. A page becomes current (and reads its data) when it is not
    // the page on show, or when the window was hidden; otherwise the window only comes to
    // the front.
    void showPage(int pageIndex);
    SetupPage *page(int pageIndex) const { return m_pages.value(pageIndex); }

    // The header line above the pages and the tabs, as the help and the tests find them.
    QFrame *FlatPanel3 = nullptr;
    QLabel *Label9 = nullptr;
    QTabWidget *PageControl1 = nullptr;

private:
    // The page on show lets the others' rows go; it reads its own when it comes into view.
    void leaveOtherPages();
    void pageShown(int pageIndex);

    QList<SetupPage *> m_pages; // in PageIndex order

protected:
    // The account this window works in, given by whoever opened it.
    AccountContext &m_account;
};

// The window as CreateSetupFm made it (null before).
TSetupFm *setupForm();
