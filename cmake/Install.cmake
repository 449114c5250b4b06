# SPDX-FileCopyrightText: 2026 The Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` writes. Nothing is built here: the data set is a build target
# (tools/CMakeLists.txt), so installing only copies.
#
# The command on PATH is the launcher; the real program lies in lib/veltrane/ and the data
# set in share/veltrane/, the two places the launcher looks for them relative to itself, so
# these two folders are fixed rather than taken from GNUInstallDirs.
include(GNUInstallDirs)
set(VELTRANE_APP_ID example.veltrane.Veltrane)
set(VELTRANE_PROGRAM_DIR lib/veltrane)
set(VELTRANE_DATA_DIR share/veltrane)
set(VELTRANE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/veltrane)

install(TARGETS veltrane-data RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/man/veltrane-data.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(VELTRANE_DATA)
  # The whole folder, so that whatever the builder writes (and the user guide beside it)
  # reaches the learner's working directory through the launcher.
  install(DIRECTORY ${CMAKE_BINARY_DIR}/data/ DESTINATION ${VELTRANE_DATA_DIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/LICENSES/ DESTINATION ${VELTRANE_DOC_DIR}/LICENSES)

if(TARGET veltrane)
  install(TARGETS veltrane RUNTIME DESTINATION ${VELTRANE_PROGRAM_DIR})
  install(PROGRAMS ${CMAKE_SOURCE_DIR}/resources/veltrane-launcher
          DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME veltrane)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/Documentation DESTINATION ${VELTRANE_DATA_DIR})
  install(FILES ${CMAKE_SOURCE_DIR}/resources/man/veltrane.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/${VELTRANE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/${VELTRANE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
endif()

# Removes what the last `cmake --install` of this build wrote (DESTDIR as then).
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${CMAKE_SOURCE_DIR}/cmake/Uninstall.cmake
  COMMENT "Removing the installed files")
