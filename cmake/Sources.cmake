# The library's code: every Part's folder plus the face-independent platform code.
# Folders are globbed so that a new file needs no edit here; re-run cmake after adding one.
set(AGGREGATE_PART_DIRS boundary hostdata transfer measures areas changelist)
set(AGGREGATE_CORE_SOURCES "")
foreach(dir IN LISTS AGGREGATE_PART_DIRS)
  file(GLOB part_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp")
  list(APPEND AGGREGATE_CORE_SOURCES ${part_sources})
endforeach()
file(GLOB platform_common CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/platform/*.cpp")
list(APPEND AGGREGATE_CORE_SOURCES ${platform_common})
# The export table belongs to the plug-in itself, not to the core library.
list(REMOVE_ITEM AGGREGATE_CORE_SOURCES "${PROJECT_SOURCE_DIR}/src/boundary/aggregate.cpp")
set(AGGREGATE_EXPORT_SOURCE "${PROJECT_SOURCE_DIR}/src/boundary/aggregate.cpp")
