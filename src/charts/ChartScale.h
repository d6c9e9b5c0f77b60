#pragma once

#include <QList>
#include <QString>

// The scale of a chart's value axis and the share of a pie's slice: widget-free, so the
// figures a chart shows are tested without drawing it.
namespace ChartScale {

// A value axis from 0 to max in steps of step, with ticks marks (steps + 1). The step is a
// round amount (1, 2, 2.5 or 5 times a power of ten, never below 0.01), and the same top
// always gives the same axis, so a refresh of the same figures never rescales it.
struct Axis
{
    double max = 1;
    double step = 0.2;
    int ticks = 6;
};

// The axis for bars as high as top, with room above the highest for its value mark.
// An empty chart (top 0 or below) gets 0 to 5 in steps of 1.
Axis moneyAxis(double top, int maxSteps = 5);

// The share of value in total as a percentage with one decimal ("12.5%"); "0.0%" for a total
// of 0.
QString percent(qint64 value, qint64 total);

} // namespace ChartScale
