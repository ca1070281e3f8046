# The plug-in's exports are listed once, in TL_PLUGIN_EXPORTS of the contract header. From that
# list this writes, into AGGREGATE_GENERATED_EXPORTS_DIR: the Windows .def file, the Linux version
# script, and exports.txt ("ordinal name" per line) that the tests compare the binaries with.
set(contract_header "${PROJECT_SOURCE_DIR}/src/contract/TolvarApi.h")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${contract_header}")
file(READ "${contract_header}" contract_text)
string(REGEX MATCHALL "X\\(([0-9]+), ([A-Za-z_][A-Za-z_0-9]*)\\)" listed "${contract_text}")
if(NOT listed)
  message(FATAL_ERROR "no exports listed in ${contract_header}")
endif()

set(def_text "; Made from TL_PLUGIN_EXPORTS: the host binds to these names and ordinals, undecorated.\nLIBRARY aggregate.dll\nEXPORTS\n")
set(map_text "{\n  global:\n")
set(list_text "")
foreach(entry IN LISTS listed)
  string(REGEX REPLACE "X\\(([0-9]+), ([A-Za-z_0-9]+)\\)" "\\1;\\2" parts "${entry}")
  list(GET parts 0 ordinal)
  list(GET parts 1 name)
  string(APPEND def_text "  ${name} @${ordinal}\n")
  string(APPEND map_text "    ${name};\n")
  string(APPEND list_text "${ordinal} ${name}\n")
endforeach()
string(APPEND map_text "  local:\n    *;\n};\n")

set(AGGREGATE_GENERATED_EXPORTS_DIR "${CMAKE_BINARY_DIR}/exports")
file(CONFIGURE OUTPUT "${AGGREGATE_GENERATED_EXPORTS_DIR}/aggregate.def" CONTENT "${def_text}")
file(CONFIGURE OUTPUT "${AGGREGATE_GENERATED_EXPORTS_DIR}/aggregate.map" CONTENT "${map_text}")
file(CONFIGURE OUTPUT "${AGGREGATE_GENERATED_EXPORTS_DIR}/exports.txt" CONTENT "${list_text}")
