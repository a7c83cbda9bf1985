# Installs the build into a scratch prefix and checks it as a desktop would see it:
# the menu entry's Exec and Icon resolve to installed files, the package's papers are
# there, the guide and its examples are whole, and AppStream accepts the tree (entry,
# metadata and icon together).
cmake_policy(VERSION 3.25)   # a script runs with old policies unless told
file(REMOVE_RECURSE "${TREE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${TREE}/usr"
  OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${TREE} failed: ${result}")
endif()

set(entry "${TREE}/usr/share/applications/org.example.kelmora.desktop")
file(STRINGS "${entry}" exec_line LIMIT_COUNT 1 REGEX "^Exec=")  # the entry's own, before its action's
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

foreach(paper IN ITEMS doc/kelmora/copyright doc/kelmora/changelog.gz man/man1/kelmora.1.gz)
  if(NOT EXISTS "${TREE}/usr/share/${paper}")
    message(FATAL_ERROR "share/${paper} is not installed")
  endif()
endforeach()

execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR out MATCHES "(error|warning|hint):")
  message(FATAL_ERROR "desktop-file-validate on the installed entry:\n${out}")
endif()
# The guide: every page, picture and anchor it names is there, it shows every installed picture
# and links every example, every example is installed, and the menu entry's action opens it
# (the entry names it under the build's own prefix, PREFIX).
set(doc "${TREE}/usr/share/doc/kelmora")
file(READ "${doc}/guide/index.html" page)
string(REGEX MATCHALL "(src|href)=\"[^\"]*\"" references "${page}")
set(named)
foreach(reference IN LISTS references)
  string(REGEX REPLACE "^[a-z]+=\"([^#\"]*).*$" "\\1" path "${reference}")
  string(REGEX REPLACE "^[^#]*#?([^\"]*)\"$" "\\1" anchor "${reference}")
  if(path MATCHES ":")
    continue()  # a web address
  elseif(path AND NOT EXISTS "${doc}/guide/${path}")
    message(FATAL_ERROR "The guide names ${path}, which is not installed")
  elseif(NOT path AND NOT page MATCHES "id=\"${anchor}\"")
    message(FATAL_ERROR "The guide links to #${anchor}, which it does not have")
  endif()
  list(APPEND named "${path}")
endforeach()
file(GLOB pictures RELATIVE "${doc}/guide" "${doc}/guide/pictures/*")
file(GLOB examples RELATIVE "${EXAMPLES}" "${EXAMPLES}/*.txt")
list(TRANSFORM examples PREPEND "../examples/")
foreach(file IN LISTS pictures examples)
  if(NOT file IN_LIST named OR NOT EXISTS "${doc}/guide/${file}")
    message(FATAL_ERROR "${file} is not both installed and named by the guide")
  endif()
endforeach()
file(STRINGS "${entry}" action REGEX "^Exec=xdg-open ")
string(REPLACE "Exec=xdg-open ${PREFIX}/" "${TREE}/usr/" opened "${action}")
if(NOT opened STREQUAL "${doc}/guide/index.html")
  message(FATAL_ERROR "The entry's action (${action}) does not open the installed guide")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/AppStreamCheck.cmake)
appstream_check(validate-tree "${TREE}")
file(REMOVE_RECURSE "${TREE}")
