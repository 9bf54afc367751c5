#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 5: its statements are still to be written.
const TopicLayout& Topic5Layout() {
  static const TopicLayout layouts = PlaceholderTopic(5);
  return layouts;
}

}  // namespace rova
