# The grid parameter object and the delayed range pool.
target_sources(gridengine PRIVATE
  grid_param.cpp
  grid_param_archive.cpp
  grid_param_size_map.cpp
  delayed_range_pool.cpp
)
