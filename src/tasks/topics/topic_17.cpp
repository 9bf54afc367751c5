#include "tasks/topics/topic_layouts.h"

namespace rova {

// Topic 17: its statements are still to be written.
const TopicLayout& Topic17Layout() {
  static const TopicLayout layouts = PlaceholderTopic(17);
  return layouts;
}

}  // namespace rova
