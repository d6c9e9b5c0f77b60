#pragma once

#include <QString>

class AccountContext;
class QWidget;

// Pick lists for an operator who does not know a code by heart. Neither checks anything:
// the caller looks the returned code up itself.

// Which copies the title list offers.
enum class TitleChoice {
    Any,       // every title, whatever its state
    Available, // copies that can be rented or sold: no open line, a fee class that exists
    Out,       // copies out on rent, for taking back
};

// "选择影片": the titles of the choice, optionally narrowed to one category and to those whose
// code or name holds the searched text, each with its state (在库, 已出租, ...). Returns the
// chosen TBName.CustomNum; after "退出" the code of the current row of a narrowed list; empty
// text when nothing was chosen or the list was empty.
QString SelectTitle(AccountContext &account, QWidget *parent = nullptr,
                    TitleChoice choice = TitleChoice::Any);

// "会员选择": every member row, the walk-in customer's included, narrowed to those whose number
// or name holds the searched text. Returns the chosen TBAssociator.Num, or empty text when
// nothing was chosen.
QString SelectMember(AccountContext &account, QWidget *parent = nullptr);
