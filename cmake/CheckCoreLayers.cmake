# Checks the layering of the core: cmake -DCORE_DIR=<src/core> -P CheckCoreLayers.cmake
#
# The folders of the core form one order, lowest first. A file may include headers of its own
# folder and of the folders below it, never of a folder above it. Nothing in the core includes
# the application state (src/state) or any other layer above the core: an operation receives
# the parts of the state it works on.
set(coreFolders common config members schedule reports shell)
string(REPLACE ";" " < " orderText "${coreFolders}")

if(NOT IS_DIRECTORY "${CORE_DIR}")
  message(FATAL_ERROR "CORE_DIR is not a folder: '${CORE_DIR}'")
endif()

set(violations "")
file(GLOB_RECURSE coreFiles RELATIVE "${CORE_DIR}" "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
list(SORT coreFiles)
foreach(relative ${coreFiles})
  string(REGEX MATCH "^[^/]+/" folder "${relative}")
  string(REGEX REPLACE "/$" "" folder "${folder}")
  list(FIND coreFolders "${folder}" ownLevel)
  if(folder STREQUAL "" OR ownLevel EQUAL -1)
    list(APPEND violations "${relative}: lies in no folder of the core's order (${orderText})")
    continue()
  endif()
  file(STRINGS "${CORE_DIR}/${relative}" includeLines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${includeLines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
    if(included MATCHES "(^|/)app_state\\.h$")
      list(APPEND violations "${relative}: includes the application state (${included})")
    elseif(included MATCHES "^core/([^/]+)/")
      set(target "${CMAKE_MATCH_1}")
      list(FIND coreFolders "${target}" targetLevel)
      if(targetLevel EQUAL -1)
        list(APPEND violations "${relative}: includes ${included}, outside the core's order")
      elseif(targetLevel GREATER ownLevel)
        list(APPEND violations
             "${relative}: ${folder} includes ${included}, from ${target} above it")
      endif()
    else()
      list(APPEND violations "${relative}: includes ${included}, which is not part of the core")
    endif()
  endforeach()
endforeach()

if(violations)
  list(LENGTH violations count)
  string(REPLACE ";" "\n  " listed "${violations}")
  message(FATAL_ERROR "${count} include(s) or file(s) break the core's layering "
                      "(${orderText}):\n  ${listed}")
endif()
list(LENGTH coreFiles fileCount)
message(STATUS "core layering holds for ${fileCount} files: ${orderText}")
