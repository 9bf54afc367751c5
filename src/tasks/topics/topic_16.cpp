#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 16: its statements are still to be written.
const TopicLayout& Topic16Layout() {
  static const TopicLayout layouts = PlaceholderTopic(16);
  return layouts;
}

}  // namespace rova
