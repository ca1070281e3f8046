# Windows face: aggregate.dll cross-compiled with MinGW-w64. It imports the host API from
# tlAPI32.dll and depends on nothing but that and Windows' own DLLs.
enable_language(RC)

# One folder for the DLL, the test host's tlAPI32.dll and its program, so Windows finds them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}")

# Import library of the host's tlAPI32.dll. On 32-bit x86 the code refers to the stdcall names
# (tlX@n) while the DLL exports them undecorated; elsewhere the decoration does not exist.
set(tlapi_def "${PROJECT_SOURCE_DIR}/src/contract/tlAPI32.def")
set(tlapi_import_lib "${CMAKE_BINARY_DIR}/libtlAPI32.a")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(tlapi_def_for_target "${tlapi_def}")
  set(tlapi_dlltool_flags --kill-at)
else()
  file(READ "${tlapi_def}" def_text)
  string(REGEX REPLACE "@[0-9]+" "" def_text "${def_text}")
  set(tlapi_def_for_target "${CMAKE_BINARY_DIR}/tlAPI32.def")
  file(WRITE "${tlapi_def_for_target}" "${def_text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${tlapi_def}")
  set(tlapi_dlltool_flags "")
endif()
add_custom_command(
  OUTPUT "${tlapi_import_lib}"
  COMMAND "${CMAKE_DLLTOOL}" ${tlapi_dlltool_flags} --input-def "${tlapi_def_for_target}"
          --dllname tlAPI32.dll --output-lib "${tlapi_import_lib}"
  DEPENDS "${tlapi_def_for_target}"
  COMMENT "Import library of tlAPI32.dll")
add_custom_target(tlapi32_import_lib DEPENDS "${tlapi_import_lib}")
add_library(tlapi32 INTERFACE)
target_link_libraries(tlapi32 INTERFACE "${tlapi_import_lib}")
add_dependencies(tlapi32 tlapi32_import_lib)

file(GLOB platform_windows CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/platform/windows/*.cpp")

add_library(aggregate_core STATIC ${AGGREGATE_CORE_SOURCES} ${platform_windows})
target_include_directories(aggregate_core PUBLIC "${PROJECT_SOURCE_DIR}/src")
target_compile_definitions(aggregate_core PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(aggregate_core PUBLIC tlapi32 PRIVATE user32 gdi32 ole32 oleaut32 uuid)

configure_file("${PROJECT_SOURCE_DIR}/src/platform/windows/aggregate.rc.in"
               "${CMAKE_BINARY_DIR}/aggregate.rc" @ONLY)
add_library(aggregate SHARED ${AGGREGATE_EXPORT_SOURCES} "${AGGREGATE_GENERATED_EXPORTS_DIR}/aggregate.def"
                             "${CMAKE_BINARY_DIR}/aggregate.rc")
set_target_properties(aggregate PROPERTIES PREFIX "" OUTPUT_NAME "aggregate")
target_link_libraries(aggregate PRIVATE aggregate_core)
# The C++ runtime goes inside the DLL: the host's folder holds no MinGW runtime DLLs.
# The .def names the exports undecorated; on 32-bit x86 they resolve to the stdcall symbols.
target_link_options(aggregate PRIVATE -static -static-libgcc -static-libstdc++
                    $<$<EQUAL:${CMAKE_SIZEOF_VOID_P},4>:-Wl,--enable-stdcall-fixup>)

option(AGGREGATE_WINDOWS_TESTS "Build the test host that drives aggregate.dll under Wine" OFF)
if(AGGREGATE_WINDOWS_TESTS)
  add_subdirectory(tests/windows)
endif()
