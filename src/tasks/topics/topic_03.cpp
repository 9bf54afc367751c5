#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 3: its statements are still to be written.
const TopicLayout& Topic3Layout() {
  static const TopicLayout layouts = PlaceholderTopic(3);
  return layouts;
}

}  // namespace rova
