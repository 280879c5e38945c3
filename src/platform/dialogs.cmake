# Dialog templates, the dialog manager, module resources, message boxes and CDialog with data exchange.
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/win/module_resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/dialog_template.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/dialog_create.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/dialog_manager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/dialog_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/dialog_script.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/message_box_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framework/dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/framework/data_exchange.cpp
)
