#include "Barcode.h"

#include <zint.h>

#include <QCoreApplication>

#include <memory>

namespace Barcode {

QList<QRectF> Symbol::barsIn(const QRectF &target) const
{
    QList<QRectF> out;
    if (width <= 0 || height <= 0)
        return out;
    const qreal sx = target.width() / width;
    const qreal sy = target.height() / height;
    for (const QRectF &b : bars) {
        out << QRectF(target.left() + b.left() * sx, target.top() + b.top() * sy, b.width() * sx,
                      b.height() * sy);
    }
    return out;
}

std::optional<Symbol> code128(const QString &text, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<Symbol> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (text.isEmpty())
        return fail(QCoreApplication::translate("Barcode", "没有编码"));
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return fail(QCoreApplication::translate("Barcode", "编码“%1”含有条码不能表示的字符").arg(text));
    }
    std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(),
                                                                 ZBarcode_Delete);
    if (!symbol)
        return fail(QStringLiteral("out of memory"));
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0;          // the code is printed under the bars by the label itself
    symbol->whitespace_width = 10; // the quiet zone a scanner needs on each side
    symbol->height = 40;
    const QByteArray latin1 = text.toLatin1();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char *>(latin1.constData()),
        int(latin1.size()), 0);
    if (rc >= ZINT_ERROR)
        return fail(QString::fromLatin1(symbol->errtxt));
    Symbol s;
    s.width = symbol->vector->width;
    s.height = symbol->vector->height;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
        s.bars << QRectF(r->x, r->y, r->width, r->height);
    return s;
}

} // namespace Barcode
