#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 7: its statements are still to be written.
const TopicLayout& Topic7Layout() {
  static const TopicLayout layouts = PlaceholderTopic(7);
  return layouts;
}

}  // namespace rova
