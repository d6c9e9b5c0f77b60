#include "BaseWindows.h"

#include "Fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTextEdit>
#include <QToolTip>

namespace {

const char *const kFlatProperty = "rentoraFlatButton";

bool isEnter(const QKeyEvent *e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Is this key event the one aimed at the focused control of window? Events that propagate
// from a child to its parents pass the filter again; only the first passage counts.
bool isFocusKeyOf(const QWidget *window, QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || w->window() != window)
        return false;
    QWidget *focus = QApplication::focusWidget();
    return w == focus || (!focus && w == window);
}

class HintStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 0;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 10000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void markFlatButton(QAbstractButton *button)
{
    button->setProperty(kFlatProperty, true);
}

bool KeyStep::focusTakesKeys(const QWidget *focus)
{
    if (!focus)
        return false;
    if (qobject_cast<const QPlainTextEdit *>(focus) || qobject_cast<const QTextEdit *>(focus))
        return true;
    return focus->property(kFlatProperty).toBool();
}

KeyStep::Handled KeyStep::enterMovesFocus(QWidget *window, QKeyEvent *event)
{
    if (!isEnter(event))
        return Handled::No;
    QWidget *focus = QApplication::focusWidget();
    if (auto *button = qobject_cast<QAbstractButton *>(focus)) {
        // A focused push button takes Enter, as the framework's dialog keys do.
        button->click();
        return Handled::Yes;
    }
    QWidget *next = focus ? focus->nextInFocusChain() : nullptr;
    while (next && next != focus) {
        // Inner parts of a control (the text field of a date picker or of an editable
        // drop-down list) pass their focus to the control: skip them, or Enter never leaves.
        if (next->window() == window && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
        next = next->nextInFocusChain();
    }
    return Handled::Yes;
}

TBaseFm::TBaseFm(QWidget *parent) : QWidget(parent)
{
    resize(696, 480);
    qApp->installEventFilter(this);
}

TBaseFm::~TBaseFm()
{
    qApp->removeEventFilter(this);
}

bool TBaseFm::eventFilter(QObject *watched, QEvent *event)
{
    // Inside the main window's work area the main window previews every key.
    if (!isWindow() || !isFocusKeyOf(this, watched, event))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (KeyStep::focusTakesKeys(QApplication::focusWidget()))
        return false;
    return KeyStep::enterMovesFocus(this, key) == KeyStep::Handled::Yes;
}

TBaseDlgFM::TBaseDlgFM(QWidget *parent) : QDialog(parent)
{
    resize(696, 480);
    qApp->installEventFilter(this);
}

TBaseDlgFM::~TBaseDlgFM()
{
    qApp->removeEventFilter(this);
}

void TBaseDlgFM::addOkCancel(QPushButton *&ok, QPushButton *&cancel)
{
    ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setAutoDefault(false);
    cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    cancel->setAutoDefault(false);
    setDefaultButton(ok);
    setCancelButton(cancel);
}

QHBoxLayout *TBaseDlgFM::okCancelRow(QPushButton *ok, QPushButton *cancel)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

bool TBaseDlgFM::eventFilter(QObject *watched, QEvent *event)
{
    if (!isFocusKeyOf(this, watched, event))
        return false;
    return keyStep(static_cast<QKeyEvent *>(event));
}

bool TBaseDlgFM::keyStep(QKeyEvent *event)
{
    QWidget *focus = QApplication::focusWidget();
    if (KeyStep::focusTakesKeys(focus)) {
        // The control keeps the key; Esc in particular never closes the window from here.
        return event->key() == Qt::Key_Escape;
    }
    if (isEnter(event)) {
        if (m_defaultButton && !qobject_cast<QAbstractButton *>(focus)) {
            m_defaultButton->click();
            return true;
        }
        return KeyStep::enterMovesFocus(this, event) == KeyStep::Handled::Yes;
    }
    if (event->key() == Qt::Key_Escape) {
        if (m_cancelButton)
            m_cancelButton->click();
        else
            reject();
        return true;
    }
    return false;
}

void applyCommonLook()
{
    if (!Fonts::install()) {
        QFont font(QStringLiteral("SimSun"));
        font.setPixelSize(12);
        QApplication::setFont(font);
    }
    QApplication::setStyle(new HintStyle);
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(185, 209, 234)); // active title gradient
    QToolTip::setPalette(tips);
}
