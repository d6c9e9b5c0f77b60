#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace Db {
class DbError;
}

// Every message box of the program goes through here, so that tests can replace the
// presenter: record what would have been shown and answer questions without a modal box.
namespace Msg {

inline const QString SystemCaption = QStringLiteral("系统提示");

enum class Icon { Information, Warning, Error, Question };

struct Request
{
    QWidget *parent = nullptr;
    QString caption;
    QString text;
    Icon icon = Icon::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // Shown under the box's "details" button: the engine's own text of a failure.
    QString details = {};
};

class Presenter
{
public:
    virtual ~Presenter() = default;
    virtual QMessageBox::StandardButton present(const Request &request) = 0;
};

// Replaces the presenter; nullptr restores the real message boxes. Returns the previous one.
Presenter *setPresenter(Presenter *presenter);

QMessageBox::StandardButton show(const Request &request);

// An error icon and OK: refused input, failed saves.
void error(QWidget *parent, const QString &text, const QString &caption = SystemCaption);
// An information icon and OK: results and notices.
void info(QWidget *parent, const QString &text, const QString &caption = SystemCaption);
// A failure of the data layer: an error icon, the fault's own message (after lead, the
// window's words for what failed, when given), the engine's text under the details.
void fault(QWidget *parent, const Db::DbError &error, const QString &lead = QString());
// Yes and No; returns the button pressed (a closed box counts as neither).
QMessageBox::StandardButton askYesNo(QWidget *parent, const QString &text,
                                     const QString &caption = SystemCaption,
                                     Icon icon = Icon::Information,
                                     QMessageBox::StandardButton defaultButton =
                                         QMessageBox::NoButton);

} // namespace Msg
