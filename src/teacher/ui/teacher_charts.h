// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChart>
#include <vector>

#include "teacher/class_overview.h"

namespace rova::teacher {

// The class's success per topic as bars, in per cent.
QChart* ClassTopicChart(const std::vector<const Pupil*>& pupils);
// One pupil's success per topic beside the class average.
QChart* PupilTopicChart(const Pupil& pupil, const std::vector<const Pupil*>& pupils);

}  // namespace rova::teacher
