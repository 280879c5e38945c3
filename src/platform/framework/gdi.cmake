# Sources of the device context and GDI object classes.
target_sources(platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gdi_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dc.cpp
)
