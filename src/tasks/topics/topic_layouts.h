// SPDX-License-Identifier: GPL-3.0-or-later
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

}  // namespace rova
