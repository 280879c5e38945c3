# Fuzz targets of the grid parameter object and the grid properties.
krx_add_fuzzer(grid_param_archive SOURCES grid_param_archive_fuzz.cpp LIBS gridengine hostresources)
krx_add_fuzzer(properties_archive SOURCES properties_archive_fuzz.cpp LIBS gridengine hostresources)
