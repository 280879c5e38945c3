# Display backends (headless and SDL2), the non-client area, and reparenting.
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/win/display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/display_sync.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/display_clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/backend_headless.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/backend_sdl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/backend_sdl_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/nonclient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/nonclient_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/nonclient_track.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win/window_reparent.cpp
)
find_package(PkgConfig REQUIRED)
pkg_check_modules(KRX_SDL2 REQUIRED IMPORTED_TARGET sdl2)
target_link_libraries(platform PRIVATE PkgConfig::KRX_SDL2)
