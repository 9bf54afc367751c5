#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 4: its statements are still to be written.
const TopicLayout& Topic4Layout() {
  static const TopicLayout layouts = PlaceholderTopic(4);
  return layouts;
}

}  // namespace rova
