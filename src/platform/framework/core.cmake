# Sources of run-time classes, archives, collections, exceptions, profiles, resources and command
# user-interface items.
target_sources(platform PRIVATE
  object.cpp
  exceptions.cpp
  file.cpp
  archive.cpp
  archive_objects.cpp
  collections.cpp
  resources.cpp
  cmd_ui.cpp
  read_file.cpp
  safe_file.cpp
  profile_names.cpp
  profile_ini_escape.cpp
  profile_ini.cpp
  profile_registry.cpp
  profile.cpp
)
