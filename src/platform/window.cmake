# Sources of windows, messages and input (paths relative to this folder), and of the framework window classes.
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/win/window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/window_class.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/window_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/update_region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/def_window_proc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/message_queue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/timers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/focus_capture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/synthetic_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/cursors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/cursor_resource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/scroll_bars.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/modal_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/window_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/window_paint_hooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/window_snapshot.cpp
)
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/framework/wnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framework/wnd_operations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framework/window_dc.cpp
)
