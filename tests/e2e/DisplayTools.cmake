# Registering tests that run on a private X server, so that a machine without
# one of their tools skips them with a message naming it (scripts/setup.sh
# test installs them all).

# add_display_test(NAME name NEEDS tool... COMMAND command...): a test on a
# private X server; SCRIPT script.py in place of COMMAND runs that script of
# the calling folder on the game, the replay tool and the source folder. When a tool it needs is missing it is still listed, and
# skips with a message that names the tool.
function(add_display_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;SCRIPT" "NEEDS;COMMAND")
  if(NOT arg_COMMAND)
    set(arg_COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/${arg_SCRIPT} $<TARGET_FILE:tumbaro>
        $<TARGET_FILE:tumbaro-replay> ${PROJECT_SOURCE_DIR})
  endif()
  set(missing)
  foreach(tool IN ITEMS python3 Xvfb xdotool ${arg_NEEDS})
    find_program(TUMBARO_TOOL_${tool} ${tool})
    if(NOT TUMBARO_TOOL_${tool})
      list(APPEND missing ${tool})
    endif()
  endforeach()
  if(missing)
    list(JOIN missing ", " names)
    message(STATUS "${arg_NAME} will be skipped: not installed: ${names}")
    add_test(NAME ${arg_NAME} COMMAND sh -c "echo 'SKIP: not installed: ${names}'; exit 77")
  else()
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  endif()
  set_tests_properties(${arg_NAME} PROPERTIES TIMEOUT 120 LABELS display SKIP_RETURN_CODE 77)
endfunction()
