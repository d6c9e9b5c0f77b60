#include "RentalLook.h"

#include "toolkit/DataGrid.h"

#include <QLabel>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace RentalLook {
namespace {

class OverRowDelegate : public QStyledItemDelegate
{
public:
    OverRowDelegate(const QString &caption, QObject *parent)
        : QStyledItemDelegate(parent), m_caption(caption)
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QAbstractItemModel *model = index.model();
        for (int c = 0; c < model->columnCount(index.parent()); ++c) {
            if (model->headerData(c, Qt::Horizontal).toString() != m_caption)
                continue;
            if (index.siblingAtColumn(c).data().toLongLong() > 0) {
                option->palette.setColor(QPalette::Text, Qt::red);
                option->palette.setColor(QPalette::HighlightedText, QColor(255, 220, 220));
                option->font.setBold(true);
            }
            break;
        }
    }

private:
    QString m_caption;
};

} // namespace

QLabel *titleStrip(const QString &text, QWidget *parent, int height)
{
    auto *strip = new QLabel(text, parent);
    strip->setAutoFillBackground(true);
    QPalette p = strip->palette();
    p.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    p.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(p);
    QFont f = strip->font();
    f.setBold(true);
    f.setPixelSize(14);
    strip->setFont(f);
    strip->setFixedHeight(height);
    strip->setContentsMargins(10, 0, 10, 0);
    strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return strip;
}

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel *alertLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

void markRowsOver(DataGrid *grid, const QString &caption)
{
    grid->view()->setItemDelegate(new OverRowDelegate(caption, grid->view()));
}

} // namespace RentalLook
