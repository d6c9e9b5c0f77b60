#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

// Code 128 symbols made by Zint, as the bars to draw: rectangles in the symbol's own units,
// the quiet zone on both sides included in its width.
namespace Barcode {

struct Symbol
{
    QList<QRectF> bars;
    qreal width = 0;
    qreal height = 0;

    // The bars scaled into target (millimetres on a page), quiet zones at its ends.
    QList<QRectF> barsIn(const QRectF &target) const;
};

// The Code 128 symbol of text. A text Code 128 cannot carry (characters beyond Latin-1) or
// that Zint refuses gives nothing, with Zint's reason in *error.
std::optional<Symbol> code128(const QString &text, QString *error = nullptr);

} // namespace Barcode
