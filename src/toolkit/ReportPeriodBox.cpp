#include "ReportPeriodBox.h"

#include "ReportPeriod.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>

QComboBox *periodPresetBox(QWidget *parent, QDateEdit *from, QDateEdit *to)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("ComBPeriod"));
    box->setAccessibleName(QCoreApplication::translate("ReportPeriod", "时段"));
    box->setToolTip(QCoreApplication::translate("ReportPeriod", "常用时段"));
    box->addItem(QCoreApplication::translate("ReportPeriod", "自定时段"));
    for (const ReportPeriod::Choice &c : ReportPeriod::choices())
        box->addItem(c.caption, int(c.preset));

    QObject::connect(box, &QComboBox::activated, box, [box, from, to](int index) {
        if (index <= 0)
            return;
        const auto preset = ReportPeriod::Preset(box->itemData(index).toInt());
        const auto [first, last] = ReportPeriod::range(preset, QDate::currentDate());
        // The pickers tell their listeners as usual; the box keeps showing the period.
        box->setProperty("settingPeriod", true);
        from->setDate(first);
        to->setDate(last);
        box->setProperty("settingPeriod", false);
    });
    // A date changed by hand is a period of its own.
    for (QDateEdit *edit : {from, to}) {
        QObject::connect(edit, &QDateEdit::dateChanged, box, [box] {
            if (!box->property("settingPeriod").toBool())
                box->setCurrentIndex(0);
        });
    }
    return box;
}
