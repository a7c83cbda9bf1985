# Installs the build into a scratch prefix and checks it as a desktop would see it:
# the menu entry's Exec and Icon resolve to installed files, and AppStream accepts
# the tree (entry, metadata and icon together).
file(REMOVE_RECURSE "${TREE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${TREE}/usr"
  OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${TREE} failed: ${result}")
endif()

set(entry "${TREE}/usr/share/applications/org.example.kelmora.desktop")
file(STRINGS "${entry}" exec_line REGEX "^Exec=")
file(STRINGS "${entry}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec_name "${exec_line}")
string(REGEX REPLACE "^Icon=" "" icon_name "${icon_line}")
if(NOT EXISTS "${TREE}/usr/bin/${exec_name}")
  message(FATAL_ERROR "Exec=${exec_name} is not installed in bin/")
endif()
foreach(icon IN ITEMS scalable/apps/${icon_name}.svg 48x48/apps/${icon_name}.png)
  if(NOT EXISTS "${TREE}/usr/share/icons/hicolor/${icon}")
    message(FATAL_ERROR "Icon=${icon_name}: hicolor/${icon} is not installed")
  endif()
endforeach()

execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR out MATCHES "(error|warning|hint):")
  message(FATAL_ERROR "desktop-file-validate on the installed entry:\n${out}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/AppStreamCheck.cmake)
appstream_check(validate-tree "${TREE}")
file(REMOVE_RECURSE "${TREE}")
