#include "CharacterFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class CharacterFilter : public QObject
{
public:
    CharacterFilter(const QString &allowed, QObject *parent) : QObject(parent), m_allowed(allowed) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Backspace || key->modifiers() & Qt::ControlModifier)
            return false;
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint())
            return false; // arrows, Home, Delete, Enter: not characters
        for (QChar c : text) {
            if (!m_allowed.contains(c))
                return true;
        }
        return false;
    }

private:
    QString m_allowed;
};

} // namespace

void acceptOnlyCharacters(QWidget *field, const QString &allowed)
{
    field->installEventFilter(new CharacterFilter(allowed, field));
}
