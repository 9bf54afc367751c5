#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 13: its statements are still to be written.
const TopicLayout& Topic13Layout() {
  static const TopicLayout layouts = PlaceholderTopic(13);
  return layouts;
}

}  // namespace rova
