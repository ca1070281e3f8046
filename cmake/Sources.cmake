# The library's code: the host contract, the building blocks, the commands and the
# face-independent platform code. Folders are globbed so that a new file needs no edit here;
# re-run cmake after adding one.
set(AGGREGATE_LIBRARY_DIRS contract common hostdata changelist transfer massnahmen areas deleteobject)
set(AGGREGATE_CORE_SOURCES "")
foreach(dir IN LISTS AGGREGATE_LIBRARY_DIRS)
  file(GLOB library_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp")
  list(APPEND AGGREGATE_CORE_SOURCES ${library_sources})
endforeach()
file(GLOB platform_common CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/platform/*.cpp")
list(APPEND AGGREGATE_CORE_SOURCES ${platform_common})
# The plug-in itself: the export table and its barrier, on top of the library.
set(AGGREGATE_EXPORTS_DIR "${PROJECT_SOURCE_DIR}/src/exports")
file(GLOB AGGREGATE_EXPORT_SOURCES CONFIGURE_DEPENDS "${AGGREGATE_EXPORTS_DIR}/*.cpp")
set(AGGREGATE_BARRIER_SOURCE "${AGGREGATE_EXPORTS_DIR}/ExportBarrier.cpp")
include("${CMAKE_CURRENT_LIST_DIR}/ExportList.cmake")
