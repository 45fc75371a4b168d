cmake_minimum_required(VERSION 3.25)
# Installs the build into PREFIX and checks what a desktop needs to find the program.
# Arguments: BUILD_DIR, PREFIX, PROGRAMS (comma-separated names of the built programs).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(entry "${PREFIX}/share/applications/orvane-configurator.desktop")
set(icon "${PREFIX}/share/icons/hicolor/scalable/apps/orvane-configurator.svg")
foreach(path "${entry}" "${icon}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The entry must start the installed program and name the installed icon.
file(STRINGS "${entry}" lines)
foreach(expected "Exec=orvane-configurator" "Icon=orvane-configurator" "Type=Application")
  if(NOT expected IN_LIST lines)
    message(FATAL_ERROR "${entry} lacks ${expected}")
  endif()
endforeach()
find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND "${validate}" "${entry}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects ${entry}")
  endif()
endif()

string(REPLACE "," ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  if(program AND NOT EXISTS "${PREFIX}/bin/${program}")
    message(FATAL_ERROR "program not installed: bin/${program}")
  endif()
endforeach()
