# Tests of the device context and GDI object classes.
krx_add_test(framework_gdi_classes_test SOURCES gdi_classes_test.cpp LIBS platform)
