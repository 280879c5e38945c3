# Tests of the grid parameter object.
krx_add_test(grid_param_test SOURCES grid_param_test.cpp LIBS gridengine hostresources)
krx_add_test(grid_param_archive_test SOURCES grid_param_archive_test.cpp LIBS gridengine hostresources)
