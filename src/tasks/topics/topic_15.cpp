#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 15: its statements are still to be written.
const TopicLayout& Topic15Layout() {
  static const TopicLayout layouts = PlaceholderTopic(15);
  return layouts;
}

}  // namespace rova
