# Removes the files that a `cmake --install` from a build folder put in place, as the list in
# that folder names them:
#
#   cmake --build BUILD --target uninstall          (sudo in front for /usr/local)
#   cmake -DMANIFEST=BUILD/installed-files.txt -P packaging/uninstall.cmake
#
# A file that a Debian package owns is left alone (the list may be stale, and the package's
# files are apt's to remove). Folders stay: they may hold other programs' files. With DESTDIR
# set, the files are looked for under it. Fails when a file cannot be removed.
cmake_minimum_required(VERSION 3.22)
if(NOT DEFINED MANIFEST)
  message(FATAL_ERROR "usage: cmake -DMANIFEST=BUILD/installed-files.txt -P uninstall.cmake")
endif()
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "${MANIFEST} is missing: nothing was installed from this build folder "
                      "with cmake --install, or the list was removed.")
endif()
file(STRINGS "${MANIFEST}" installed)
set(destdir "$ENV{DESTDIR}")

# The files of the list that dpkg counts as a package's.
set(packaged "")
find_program(DPKG_QUERY dpkg-query)
if(DPKG_QUERY AND installed AND destdir STREQUAL "")
  execute_process(COMMAND ${DPKG_QUERY} -S ${installed}
                  OUTPUT_VARIABLE owners ERROR_QUIET)
  string(REPLACE "\n" ";" owners "${owners}")
  foreach(line IN LISTS owners)
    if(line MATCHES "^[^/]*: (/.*)$")
      list(APPEND packaged "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

set(left "")
foreach(path IN LISTS installed)
  set(file "${destdir}${path}")
  if(path IN_LIST packaged)
    message(STATUS "Left alone, a Debian package owns it: ${path}")
  elseif(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
      list(APPEND left "${file}")
    endif()
  else()
    message(STATUS "Already gone: ${file}")
  endif()
endforeach()
if(left)
  list(JOIN left "\n  " left)
  message(FATAL_ERROR "could not remove (as the user who installed them, with sudo?):\n  ${left}")
endif()
