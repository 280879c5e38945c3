# The standard controls (buttons, statics, edit, combo box) and the caret (paths relative to
# this folder), and the framework's control classes.
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/win/controls_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/caret.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/button_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/static_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/edit_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/edit_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/combo_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/combo_box_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/combo_box_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framework/controls.cpp
)
