# Registering tests that run on a private X server, so that a machine without
# one of their tools skips them with a message naming it.

# Every program the display scripts call, and the Debian package it comes in.
set(TUMBARO_DISPLAY_PACKAGES
  Xvfb=xvfb xdotool=xdotool faketime=faketime
  import=imagemagick convert=imagemagick identify=imagemagick)

# missing_display_tools(OUT tool...): of the given tools, those not installed,
# each as "tool (package)". A tool is one of the programs above, or "python3"
# as the caller's find_package(Python3) found it.
function(missing_display_tools out)
  set(missing)
  foreach(tool IN LISTS ARGN)
    if(tool STREQUAL "python3")
      if(NOT Python3_FOUND)
        list(APPEND missing "python3 (python3)")
      endif()
      continue()
    endif()
    set(package ${tool})
    foreach(pair IN LISTS TUMBARO_DISPLAY_PACKAGES)
      if(pair MATCHES "^${tool}=(.*)$")
        set(package ${CMAKE_MATCH_1})
      endif()
    endforeach()
    find_program(TUMBARO_TOOL_${tool} ${tool})
    if(NOT TUMBARO_TOOL_${tool})
      list(APPEND missing "${tool} (${package})")
    endif()
  endforeach()
  set(${out} "${missing}" PARENT_SCOPE)
endfunction()

# add_display_test(NAME name NEEDS tool... COMMAND command...): a test on a
# private X server. When a tool it needs is missing it is still listed, and
# skips with a message that names the tool.
function(add_display_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "NEEDS;COMMAND")
  missing_display_tools(missing python3 Xvfb xdotool ${arg_NEEDS})
  if(missing)
    list(JOIN missing ", " names)
    message(STATUS "${arg_NAME} will be skipped: not installed: ${names}")
    add_test(NAME ${arg_NAME}
      COMMAND sh -c "echo 'SKIP: not installed: ${names}'; exit 77")
  else()
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  endif()
  set_tests_properties(${arg_NAME} PROPERTIES TIMEOUT 120 LABELS display SKIP_RETURN_CODE 77)
endfunction()
