#pragma once

class QComboBox;
class QDateEdit;
class QWidget;

// A drop-down list of the usual periods (今天, 本周, 本月, 上月, 今年, 去年) that sets two date
// pickers; its first entry "自定时段" stands for dates picked by hand, and it returns to it when
// either picker is changed by hand. Named "ComBPeriod".
QComboBox *periodPresetBox(QWidget *parent, QDateEdit *from, QDateEdit *to);
