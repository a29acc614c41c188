# Installing: everything the game runs from goes into one program folder, <prefix>/lib/quillo,
# as in the build's bin/ folder; a launcher, a desktop entry and icons go where desktops look.
# Debian keeps games' commands in <prefix>/games, which players' PATH holds.
set(QUILLO_PROGRAM_SUBDIR lib/quillo)
set(QUILLO_LAUNCHER_SUBDIR games)

if(TARGET quillo)
  install(TARGETS quillo RUNTIME DESTINATION ${QUILLO_PROGRAM_SUBDIR})
  install(TARGETS quillo_media quillo_charts LIBRARY DESTINATION ${QUILLO_PROGRAM_SUBDIR}/modules)
endif()
install(TARGETS quillo-tool RUNTIME DESTINATION ${QUILLO_PROGRAM_SUBDIR})

# Data the build makes, and data copied as it is.
install(FILES ${QUILLO_BIN_DIR}/quillo.cqt ${QUILLO_BIN_DIR}/quillo.cqr ${QUILLO_BIN_DIR}/wordlist.wl
        DESTINATION ${QUILLO_PROGRAM_SUBDIR} OPTIONAL)
file(GLOB QUILLO_INSTALL_SOUNDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/sounds/*.wav)
install(FILES ${QUILLO_INSTALL_SOUNDS} DESTINATION ${QUILLO_PROGRAM_SUBDIR})
if(EXISTS ${CMAKE_SOURCE_DIR}/data/help)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/help/ DESTINATION ${QUILLO_PROGRAM_SUBDIR}/help)
endif()

# The launcher finds the program folder relative to itself, so it works under any --prefix.
configure_file(${CMAKE_CURRENT_LIST_DIR}/quillo-launcher.sh ${CMAKE_BINARY_DIR}/install/quillo @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/quillo DESTINATION ${QUILLO_LAUNCHER_SUBDIR})
# The tool needs no particular folder: a relative link is enough, and survives any prefix.
file(CREATE_LINK ../${QUILLO_PROGRAM_SUBDIR}/quillo-tool ${CMAKE_BINARY_DIR}/install/quillo-tool SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install/quillo-tool DESTINATION ${QUILLO_LAUNCHER_SUBDIR})

foreach(size 48 128)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/quillo-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME quillo.png)
endforeach()

# A desktop entry needs absolute paths, and the prefix is only known when installing (it may be
# given with --prefix), so the entry is written then. file(INSTALL) records it in the manifest.
install(CODE "
  set(QUILLO_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(QUILLO_PROGRAM_SUBDIR \"${QUILLO_PROGRAM_SUBDIR}\")
  set(QUILLO_LAUNCHER_SUBDIR \"${QUILLO_LAUNCHER_SUBDIR}\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/quillo.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/install/quillo.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
       FILES \"${CMAKE_BINARY_DIR}/install/quillo.desktop\")
")
