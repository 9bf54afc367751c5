#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 9: its statements are still to be written.
const TopicLayout& Topic9Layout() {
  static const TopicLayout layouts = PlaceholderTopic(9);
  return layouts;
}

}  // namespace rova
