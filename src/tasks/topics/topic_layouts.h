#pragma once

#include "tasks/task_layout.h"

namespace rova {

// The five task layouts of each topic, one file per topic (topic_01.cpp ...).
const TopicLayout& Topic1Layout();
const TopicLayout& Topic2Layout();
const TopicLayout& Topic3Layout();
const TopicLayout& Topic4Layout();
const TopicLayout& Topic5Layout();
const TopicLayout& Topic6Layout();
const TopicLayout& Topic7Layout();
const TopicLayout& Topic8Layout();
const TopicLayout& Topic9Layout();
const TopicLayout& Topic10Layout();
const TopicLayout& Topic11Layout();
const TopicLayout& Topic12Layout();
const TopicLayout& Topic13Layout();
const TopicLayout& Topic14Layout();
const TopicLayout& Topic15Layout();
const TopicLayout& Topic16Layout();
const TopicLayout& Topic17Layout();
const TopicLayout& Topic18Layout();

// A topic whose statements are still to be written: empty statements and the
// plain answer area each task's check kind needs, so that its windows open
// and check.
TopicLayout PlaceholderTopic(int topic);

// The fraction entry of tasks 1-1, 3-1, 4-1 and 18-5: the two hint lines, the
// numerator panel above the bar above the denominator panel, all `width`
// wide at `x`, and the tall check button beside them.
AnswerLayout FractionAnswer(int x, int width, const QString& bar, int barX);

}  // namespace rova
