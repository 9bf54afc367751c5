#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 18: its statements are still to be written.
const TopicLayout& Topic18Layout() {
  static const TopicLayout layouts = PlaceholderTopic(18);
  return layouts;
}

}  // namespace rova
