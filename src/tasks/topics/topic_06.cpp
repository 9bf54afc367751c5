#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 6: its statements are still to be written.
const TopicLayout& Topic6Layout() {
  static const TopicLayout layouts = PlaceholderTopic(6);
  return layouts;
}

}  // namespace rova
