#include "PriceBox.h"

#include "toolkit/InputFilters.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace PriceBox {
namespace {

bool isDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19);
}

bool isPoint(QChar c)
{
    return c == u'.' || c.unicode() == 0xFF0E;
}

// Digits with at most one point and at most two digits after it; empty and "." pass.
bool priceShape(const QString &text)
{
    int points = 0;
    int decimals = 0;
    for (QChar c : text) {
        if (isPoint(c)) {
            if (++points > 1)
                return false;
        } else if (!isDigit(c)) {
            return false;
        } else if (points == 1 && ++decimals > 2) {
            return false;
        }
    }
    return true;
}

// Selects the whole text once the focus has arrived (a mouse click would undo it otherwise).
class SelectOnFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *box = static_cast<QLineEdit *>(watched);
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus())
                    box->selectAll();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

std::optional<Money> parsePrice(const QString &text)
{
    const QString t = text.trimmed();
    if (!priceShape(t))
        return std::nullopt;
    return Money::parse(t);
}

std::optional<int> parseQuantity(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < MinQuantity || n > MaxQuantity)
        return std::nullopt;
    return n;
}

void makePriceBox(QLineEdit *box)
{
    Input::acceptMoneyOnly(box);
    box->installEventFilter(new SelectOnFocus(box));
    QObject::connect(box, &QLineEdit::editingFinished, box, [box] {
        if (const std::optional<Money> price = parsePrice(box->text()))
            box->setText(price->toString());
    });
}

void makeQuantityBox(QLineEdit *box)
{
    Input::acceptDigitsOnly(box, 3);
    box->installEventFilter(new SelectOnFocus(box));
}

} // namespace PriceBox
