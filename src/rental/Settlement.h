#pragma once

#include "ReceiptData.h"

#include <QString>

class AccountContext;
class QWidget;

// The settlement prompt ("结算提示"), shown after a rental, a return or a sale has been
// committed. It shows the amounts in large type; when it closes and the receipt option
// (TBKindValue CateID 5) is 0 or missing, the 70 x 100 mm receipt of these lines is printed on
// the default printer without a dialog (or written as a PDF into the data folder's "prints"
// folder when the machine has no printer).
//
// summary: the caller's text, lines separated by the character 13 ('\r').
// receipt: what the receipt prints, the same figures as the summary (Receipt::leaseContent,
//          Receipt::saleContent); a content without lines prints a receipt without rows.
// account: the account whose shop, operator and receipt options the receipt follows.
// Returns when the operator has closed the prompt. Touches none of the caller's data.
void ShowSettlement(const AccountContext &account, const QString &summary,
                    const Receipt::Content &receipt, QWidget *parent = nullptr);
