#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 12: its statements are still to be written.
const TopicLayout& Topic12Layout() {
  static const TopicLayout layouts = PlaceholderTopic(12);
  return layouts;
}

}  // namespace rova
