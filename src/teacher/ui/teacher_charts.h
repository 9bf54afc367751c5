// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChart>
#include <vector>

#include "teacher/class_overview.h"

namespace rova::teacher {

// What is written over the bars: "nėra duomenų" where nothing was checked,
// "0 %" over a bar of nothing right (which has no height to see), and "*"
// over a share of the readable files alone.
extern const QString kNoDataText;

// The class's success per topic: the class average (the mean of the pupils'
// shares) beside the share of all the class's answers together.
QChart* ClassTopicChart(const ClassSums& sums);
// One pupil's success per topic beside the class average.
QChart* PupilTopicChart(const Pupil& pupil, const ClassSums& sums);

}  // namespace rova::teacher
