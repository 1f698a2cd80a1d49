# Fails when a library includes a header of a library above it, when a library below the
# output layer includes Qt, or when a file outside base/platform includes a header of the
# operating system (POSIX or Windows). Run by the test suite:
#   cmake -DAW_SOURCE_DIR=<source folder> -P cmake/CheckIncludeLayers.cmake
# Each library may include itself and the libraries listed after it (see docs/architecture.md).
cmake_minimum_required(VERSION 3.25)

set(layers
  "base"
  "codec base"
  "weapons base"
  "engine weapons codec base"
  "storage engine weapons codec base"
  "output storage engine weapons codec base"
  "cli output storage engine weapons codec base"
  "ui output storage engine weapons codec base"
  "app ui output storage engine weapons codec base")
set(project_folders base codec weapons engine storage output cli ui app)
set(qt_free_folders base codec weapons engine storage)

set(violations "")
foreach(layer ${layers})
  separate_arguments(allowed UNIX_COMMAND "${layer}")
  list(GET allowed 0 folder)
  file(GLOB_RECURSE sources ${AW_SOURCE_DIR}/${folder}/*.h ${AW_SOURCE_DIR}/${folder}/*.cpp
                            ${AW_SOURCE_DIR}/${folder}/*.h.in)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    file(RELATIVE_PATH shown ${AW_SOURCE_DIR} ${source})
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
        set(target ${CMAKE_MATCH_1})
        if(target IN_LIST project_folders AND NOT target IN_LIST allowed)
          list(APPEND violations "${shown}: ${line} (${folder} may include only: ${layer})")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*<Q" AND folder IN_LIST qt_free_folders)
        list(APPEND violations "${shown}: ${line} (${folder} does not use Qt)")
      endif()
    endforeach()
  endforeach()
endforeach()

# The operating system is reached only through base/platform/Platform.h.
set(system_header "#[ \t]*include[ \t]*<(sys/|arpa/|netinet/|(unistd|fcntl|dirent|dlfcn|pthread|poll|termios|pwd|grp|spawn|[Ww]indows|winbase|io|direct|process|shlobj|shellapi|winsock2)\\.h>)")
set(all_sources "")
foreach(folder ${project_folders} tests tools bench fuzz)
  file(GLOB_RECURSE sources ${AW_SOURCE_DIR}/${folder}/*.h ${AW_SOURCE_DIR}/${folder}/*.cpp)
  list(APPEND all_sources ${sources})
endforeach()
foreach(source ${all_sources})
  file(RELATIVE_PATH shown ${AW_SOURCE_DIR} ${source})
  if(shown MATCHES "^base/platform/")
    continue()
  endif()
  file(STRINGS ${source} includes REGEX "${system_header}")
  foreach(line ${includes})
    list(APPEND violations "${shown}: ${line} (only base/platform includes system headers)")
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n" text)
  message(FATAL_ERROR "Includes against the library layers:\n${text}")
endif()
