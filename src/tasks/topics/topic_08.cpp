#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 8: its statements are still to be written.
const TopicLayout& Topic8Layout() {
  static const TopicLayout layouts = PlaceholderTopic(8);
  return layouts;
}

}  // namespace rova
