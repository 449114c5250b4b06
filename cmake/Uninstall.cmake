# SPDX-FileCopyrightText: 2026 The Veltrane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DMANIFEST=build/install_manifest.txt -P Uninstall.cmake
# Removes every file the manifest lists, then the folders of Veltrane's own that are left
# empty; shared folders (bin, share/man/man1, the icon theme) stay.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (run cmake --install first).")
endif()

file(STRINGS "${MANIFEST}" installed)
set(own_folders "")
foreach(file IN LISTS installed)
  set(path "$ENV{DESTDIR}${file}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    file(REMOVE "${path}")
    message(STATUS "Removed ${path}")
  endif()
  # Folders named veltrane (and everything below them) are Veltrane's own.
  get_filename_component(folder "${path}" DIRECTORY)
  while(folder MATCHES "/veltrane(/|$)")
    list(APPEND own_folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()

# Deepest first, so that a folder is empty by the time it is reached.
list(REMOVE_DUPLICATES own_folders)
list(SORT own_folders ORDER DESCENDING)
foreach(folder IN LISTS own_folders)
  file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
  if(IS_DIRECTORY "${folder}" AND NOT left)
    file(REMOVE_RECURSE "${folder}")
    message(STATUS "Removed ${folder}/")
  endif()
endforeach()
