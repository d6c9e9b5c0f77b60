#pragma once

#include <QStringList>

class QWidget;

// What is wrong with a strip of controls as laid out now, one line per fault (none when all is
// well): a visible control narrower than its text or its preferred width (cut), a control
// reaching outside the strip or the strip outside its window, two controls over each other.
// Controls are the labels, buttons, check boxes, drop-down lists and spin boxes in it.
QStringList stripFaults(const QWidget *strip);

// The number of distinct rows the strip's visible controls stand in.
int stripRows(const QWidget *strip);
