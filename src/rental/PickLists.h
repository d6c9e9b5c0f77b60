#pragma once

#include <QString>

class QWidget;

// Pick lists for an operator who does not know a code by heart. Neither checks anything:
// the caller looks the returned code up itself.

// "选择影片": every title, optionally narrowed to one category. Returns the chosen
// TBName.CustomNum; after "退出" the code of the current row of a narrowed list; empty text
// when nothing was chosen or the list was empty.
QString SelectTitle(QWidget *parent = nullptr);

// "会员选择": every member row, the walk-in customer's included. Returns the chosen
// TBAssociator.Num, or empty text when nothing was chosen.
QString SelectMember(QWidget *parent = nullptr);
