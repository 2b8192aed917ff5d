# Registering tests that run on a private X server, so that a machine without
# one of their tools skips them with a message naming it.

# Every program the display scripts call, and the Debian package it comes in.
set(TUMBARO_DISPLAY_PACKAGES
  Xvfb=xvfb xdotool=xdotool faketime=faketime
  import=imagemagick convert=imagemagick identify=imagemagick xprop=x11-utils man=man-db)

# add_display_test(NAME name NEEDS tool... COMMAND command...): a test on a
# private X server. When a tool it needs is missing it is still listed, and
# skips with a message that names the tool and its package.
function(add_display_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "NEEDS;COMMAND")
  set(missing)
  foreach(tool IN ITEMS python3 Xvfb xdotool ${arg_NEEDS})
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
