#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 14: its statements are still to be written.
const TopicLayout& Topic14Layout() {
  static const TopicLayout layouts = PlaceholderTopic(14);
  return layouts;
}

}  // namespace rova
