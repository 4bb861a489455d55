# Writes the table of every function the public header declares (one line
# each, starting with ZORAPI) for the hostile-argument sweep: the function
# itself and its parameter list as text, from which the sweep reads the
# parameter names. Runs at configure time; a change of the header re-runs it.
function(zors_write_sweep_table header out)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  file(STRINGS ${header} lines REGEX "^ZORAPI ")
  set(body "")
  set(count 0)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^ZORAPI [^(]*[^A-Za-z0-9_(]([A-Za-z_][A-Za-z0-9_]*)\\(([^)]*)\\)")
      message(FATAL_ERROR "sweep: cannot read the declaration: ${line}")
    endif()
    string(APPEND body "ZS_EXPORT(${CMAKE_MATCH_1}, \"${CMAKE_MATCH_2}\")\n")
    math(EXPR count "${count} + 1")
  endforeach()
  file(CONFIGURE OUTPUT ${out} CONTENT "// Generated from zors.h: ${count} functions.\n${body}" @ONLY)
endfunction()
