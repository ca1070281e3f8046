find_package(PkgConfig REQUIRED)
pkg_check_modules(SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
pkg_check_modules(MDBSQL REQUIRED IMPORTED_TARGET libmdbsql)
pkg_check_modules(GEOS REQUIRED IMPORTED_TARGET geos)
find_library(SHAPELIB_LIBRARY NAMES shp REQUIRED)
find_path(SHAPELIB_INCLUDE_DIR shapefil.h REQUIRED)
find_package(nlohmann_json 3 REQUIRED)

file(GLOB platform_linux CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/platform/linux/*.cpp")

add_library(aggregate_core STATIC ${AGGREGATE_CORE_SOURCES} ${platform_linux})
target_include_directories(aggregate_core PUBLIC "${PROJECT_SOURCE_DIR}/src")
target_include_directories(aggregate_core PRIVATE "${SHAPELIB_INCLUDE_DIR}")
target_compile_options(aggregate_core PRIVATE -fvisibility=hidden -fvisibility-inlines-hidden)
target_link_libraries(aggregate_core PRIVATE PkgConfig::SQLITE3 PkgConfig::MDBSQL ${SHAPELIB_LIBRARY})

# The plug-in: the host API stays undefined; the host process provides it.
add_library(aggregate MODULE ${AGGREGATE_EXPORT_SOURCES})
set_target_properties(aggregate PROPERTIES PREFIX "" OUTPUT_NAME "aggregate")
target_compile_options(aggregate PRIVATE -fvisibility=hidden -fvisibility-inlines-hidden)
target_link_libraries(aggregate PRIVATE aggregate_core)
target_link_options(aggregate PRIVATE
  "-Wl,--version-script=${AGGREGATE_GENERATED_EXPORTS_DIR}/aggregate.map")
set_target_properties(aggregate PROPERTIES LINK_DEPENDS "${AGGREGATE_GENERATED_EXPORTS_DIR}/aggregate.map")

if(EXISTS "${PROJECT_SOURCE_DIR}/host/CMakeLists.txt")
  add_subdirectory(host)
endif()

if(AGGREGATE_TESTS)
  enable_testing()
  add_subdirectory(tests)
endif()

if(AGGREGATE_BENCHMARKS AND EXISTS "${PROJECT_SOURCE_DIR}/bench/CMakeLists.txt")
  add_subdirectory(bench)
endif()
