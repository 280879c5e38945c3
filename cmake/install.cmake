# What `cmake --install` puts in place:
#   bin/      krxhost, which finds the plug-in and the libraries in lib/ ($ORIGIN/../lib)
#   lib/      libInterruptSettings.so, libplatform.so, libmckernel.so, libgridengine.a and
#             libhostresources.a
#   include/gridengine/   the grid engine's headers, the platform headers they include, and the
#                         host resources' header, laid out as in src/ ("grid/core/grid_core.h")
#   lib/cmake/GridEngine/ the package: find_package(GridEngine) gives GridEngine::gridengine
include(CMakePackageConfigHelpers)

set(KRX_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/GridEngine)
set(KRX_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/gridengine)

# The engine's headers need C++20 and the include tree; an application that links the engine
# gets both from the target.
target_compile_features(gridengine INTERFACE cxx_std_20)
foreach(target gridengine platform hostresources)
  target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:${KRX_INCLUDE_DIR}>)
endforeach()
# An application is the host of the grid engine it links, and must supply the resources a host
# supplies. The installed engine brings the standard table (host_resources::RegisterForProcess),
# so that one target is all an application links; the archive adds nothing to one that supplies
# its own. In this build the host program, the tests and benchmarks link the table themselves.
target_link_libraries(gridengine INTERFACE $<INSTALL_INTERFACE:GridEngine::hostresources>)

install(TARGETS krxhost RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS InterruptSettings mckernel LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS gridengine hostresources platform EXPORT GridEngineTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
)

# Every header of the engine; of the platform, all but those of its own implementation, which
# reach into its graphics and display libraries.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/grid DESTINATION ${KRX_INCLUDE_DIR} FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/platform DESTINATION ${KRX_INCLUDE_DIR}
  FILES_MATCHING PATTERN "*.h"
  PATTERN "*_internal.h" EXCLUDE
  PATTERN "backend_sdl_keys.h" EXCLUDE
  PATTERN "button.h" EXCLUDE
  PATTERN "combo_box.h" EXCLUDE
  PATTERN "edit.h" EXCLUDE
  PATTERN "nonclient.h" EXCLUDE
)
install(FILES ${PROJECT_SOURCE_DIR}/src/host/resources/host_resources.h DESTINATION ${KRX_INCLUDE_DIR}/host/resources)

install(EXPORT GridEngineTargets NAMESPACE GridEngine:: DESTINATION ${KRX_PACKAGE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/GridEngineConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/GridEngineConfig.cmake INSTALL_DESTINATION ${KRX_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/GridEngineConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/GridEngineConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/GridEngineConfigVersion.cmake
  DESTINATION ${KRX_PACKAGE_DIR})
