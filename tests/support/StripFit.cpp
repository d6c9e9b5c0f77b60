#include "StripFit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>

namespace {

QList<const QWidget *> controls(const QWidget *strip)
{
    QList<const QWidget *> found;
    for (const QWidget *w : strip->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(strip))
            continue;
        if (qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w) ||
            qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w)) {
            // The parts of a control (a spin box's line edit) are not controls of their own.
            bool inner = false;
            for (const QWidget *p = w->parentWidget(); p && p != strip; p = p->parentWidget())
                inner = inner || qobject_cast<const QComboBox *>(p) ||
                        qobject_cast<const QAbstractSpinBox *>(p);
            if (!inner)
                found << w;
        }
    }
    return found;
}

QString nameOf(const QWidget *w)
{
    QString text;
    if (auto *l = qobject_cast<const QLabel *>(w))
        text = l->text();
    else if (auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    else if (auto *c = qobject_cast<const QComboBox *>(w))
        text = c->currentText();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text);
}

QRect inStrip(const QWidget *w, const QWidget *strip)
{
    return QRect(w->mapTo(strip, QPoint(0, 0)), w->size());
}

} // namespace

QStringList stripFaults(const QWidget *strip)
{
    QStringList faults;
    if (const QWidget *window = strip->window(); window != strip) {
        const QRect r(strip->mapTo(window, QPoint(0, 0)), strip->size());
        if (!window->rect().contains(r))
            faults << QStringLiteral("the strip reaches outside its window");
    }
    const QList<const QWidget *> all = controls(strip);
    for (const QWidget *w : all) {
        int needed = w->sizeHint().width();
        if (auto *l = qobject_cast<const QLabel *>(w); l && !l->wordWrap())
            needed = std::max(needed, l->fontMetrics().horizontalAdvance(l->text()) +
                                          l->contentsMargins().left() +
                                          l->contentsMargins().right());
        if (w->width() < needed)
            faults << QStringLiteral("%1 is %2 pixels wide, needs %3")
                          .arg(nameOf(w))
                          .arg(w->width())
                          .arg(needed);
        if (!strip->rect().contains(inStrip(w, strip)))
            faults << nameOf(w) + QStringLiteral(" reaches outside the strip");
    }
    for (int i = 0; i < all.size(); ++i) {
        for (int j = i + 1; j < all.size(); ++j) {
            if (inStrip(all.at(i), strip).intersects(inStrip(all.at(j), strip)))
                faults << nameOf(all.at(i)) + QStringLiteral(" overlaps ") + nameOf(all.at(j));
        }
    }
    return faults;
}

int stripRows(const QWidget *strip)
{
    QList<QRect> rows;
    for (const QWidget *w : controls(strip)) {
        const QRect r = inStrip(w, strip);
        bool known = false;
        for (const QRect &row : std::as_const(rows))
            known = known || (r.center().y() >= row.top() && r.center().y() <= row.bottom());
        if (!known)
            rows << r;
    }
    return int(rows.size());
}
