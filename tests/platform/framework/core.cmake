# Tests of run-time classes, archives, collections, profiles and resources.
krx_add_test(framework_runtime_class_test SOURCES runtime_class_test.cpp LIBS platform)
krx_add_test(framework_archive_test SOURCES archive_test.cpp LIBS platform)
krx_add_test(framework_profile_test SOURCES profile_test.cpp LIBS platform)
krx_add_test(framework_resources_test SOURCES resources_test.cpp LIBS platform)
krx_add_test(framework_collections_test SOURCES collections_test.cpp LIBS platform)
