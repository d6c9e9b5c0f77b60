#pragma once

#include "toolkit/ReportDocument.h"

#include <QList>
#include <QString>

// Code labels for copies: the code as a Code 128 barcode with the code and the title under
// it, on an A4 sheet of labels or one label a page for a 40 x 30 mm label printer.
namespace LabelSheet {

struct Label
{
    QString code;
    QString title;
};

struct Layout
{
    enum class Kind { A4Sheet, LabelPrinter };
    Kind kind = Kind::A4Sheet;
    int rows = 10;   // labels down an A4 sheet
    int columns = 3; // labels across it
};

// The sheet's own label size in millimetres.
QSizeF labelSize(const Layout &layout);

// The pages of labels. Labels whose code no barcode can carry are left out and named in
// *refused (one line each).
ReportDocument document(const QList<Label> &labels, const Layout &layout,
                        QStringList *refused = nullptr);

} // namespace LabelSheet
