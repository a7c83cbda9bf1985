# appstream_check(<validate|validate-tree> <path>): appstreamcli --strict, which fails on any
# info, warning or error. AppStream 1.0 asks for the <developer> block in place of the
# <developer_name> tag, which AppStream 0.16 (Debian 12) does not know yet and reports as an
# unknown tag: before 1.0 that report alone is let through, every other one still fails.
#
# Run as a script (cmake -DAPPSTREAMCLI=… -DMODE=… -DTARGET_PATH=… -P AppStreamCheck.cmake)
# it checks one path.
function(appstream_check mode path)
  execute_process(COMMAND "${APPSTREAMCLI}" --version OUTPUT_VARIABLE version)
  execute_process(COMMAND "${APPSTREAMCLI}" ${mode} --no-net --strict "${path}"
    OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE result)
  if(result EQUAL 0)
    return()
  endif()
  string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" version "${version}")
  string(REGEX MATCHALL "[EWIP]: [^\n]*" issues "${out}")
  list(FILTER issues EXCLUDE REGEX "^I: [^ ]+: unknown-tag developer$")
  if(NOT issues AND version VERSION_LESS 1.0 AND out MATCHES "unknown-tag developer")
    return()
  endif()
  message(FATAL_ERROR "appstreamcli ${mode} (AppStream ${version}) on ${path}:\n${out}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  appstream_check(${MODE} "${TARGET_PATH}")
endif()
