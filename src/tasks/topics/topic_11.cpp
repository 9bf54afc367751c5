#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 11: its statements are still to be written.
const TopicLayout& Topic11Layout() {
  static const TopicLayout layouts = PlaceholderTopic(11);
  return layouts;
}

}  // namespace rova
