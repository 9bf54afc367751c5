// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the X server itself says of the program's windows, for the tests that
// run on a virtual display of their own.

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QString>
#include <QWindow>
#include <cstdlib>
#include <memory>
#include <vector>

#include "window/program_window.h"
#include "window/window_registry.h"

namespace rova::testing {

inline xcb_connection_t* Connection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// One round trip: every request the program sent before has been carried out.
inline void Sync() { free(xcb_get_input_focus_reply(Connection(), xcb_get_input_focus(Connection()), nullptr)); }

// The program's window that X window `id` belongs to, or "?".
inline QString NameOf(xcb_window_t id) {
  for (ProgramWindow* window : RegisteredWindows()) {
    if (window->windowHandle() && window->windowHandle()->handle() && window->winId() == id) return window->objectName();
  }
  return QStringLiteral("?");
}

// The program's windows that can be seen, bottom to top, as the server has them.
inline std::vector<QString> ViewableStack() {
  Sync();
  xcb_connection_t* c = Connection();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr),
                                                                &free);
  std::vector<QString> names;
  if (!tree) return names;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr), &free);
    if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE) names.push_back(NameOf(children[i]));
  }
  return names;
}

inline QString FocusName() {
  Sync();
  std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&free)> focus(
      xcb_get_input_focus_reply(Connection(), xcb_get_input_focus(Connection()), nullptr), &free);
  return focus ? NameOf(focus->focus) : QString();
}

}  // namespace rova::testing
