# The simulated host's folders, each using only those before it. Shared with the fuzz targets.
set(TOLVARHOST_FOLDERS common geometry store files session api)

function(collect_host_folders sources_var include_dirs_var)
  set(sources "")
  set(include_dirs "")
  foreach(folder IN LISTS TOLVARHOST_FOLDERS)
    file(GLOB folder_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${folder}/*.cpp")
    list(APPEND sources ${folder_sources})
    list(APPEND include_dirs "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${folder}")
  endforeach()
  set(${sources_var} "${sources}" PARENT_SCOPE)
  set(${include_dirs_var} "${include_dirs}" PARENT_SCOPE)
endfunction()
