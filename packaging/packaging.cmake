# SPDX-License-Identifier: Apache-2.0
# Install rules. Every destination is relative to the prefix, so that DESTDIR (and the Debian
# package's build, debian/) can stage the tree anywhere.
include(GNUInstallDirs)

set(MRL770_HOMEPAGE "https://example.org/mrl770-config" CACHE STRING
    "The project's web page, named by the package and the AppStream metainfo")
# The programs' own folder: they read their bitmap files and load the spooler module from the
# folder their executable lies in.
set(MRL770_PRIVATE_DIR lib/mrl770-config CACHE STRING
    "Folder of mrl770-config, mrl770-settings and their files, relative to the prefix")
set(MRL770_MAN1_DIR ${CMAKE_INSTALL_MANDIR}/man1)
# Files made for the install: the link, the configured desktop files and the icons.
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated})

# bin/NAME as a relative link to the program in MRL770_PRIVATE_DIR; the program resolves it, so
# it still finds its files beside its real self.
function(mrl770_install_bin_link name)
  file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${MRL770_PRIVATE_DIR}/${name})
  file(CREATE_LINK ${link_target} ${generated}/${name} SYMBOLIC)
  install(PROGRAMS ${generated}/${name} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# The spooler module, which each program loads from its own folder when it first prints.
if(TARGET mrl770-cups-spooler)
  install(TARGETS mrl770-cups-spooler LIBRARY DESTINATION ${MRL770_PRIVATE_DIR})
endif()

if(TARGET mrl770-config)
  install(TARGETS mrl770-config RUNTIME DESTINATION ${MRL770_PRIVATE_DIR})
  install(FILES ${MRL770_BITMAP_FILES} DESTINATION ${MRL770_PRIVATE_DIR})
  mrl770_install_bin_link(mrl770-config)
  install(FILES packaging/mrl770-config.1 DESTINATION ${MRL770_MAN1_DIR})

  configure_file(packaging/desktop.in ${generated}/${MRL770_APP_ID}.desktop @ONLY)
  install(FILES ${generated}/${MRL770_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(packaging/metainfo.xml.in ${generated}/${MRL770_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${generated}/${MRL770_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The window icon, in the hicolor theme that every desktop falls back to. The tool writes
  # every size at once; its 64 px file stands for them all.
  set(icon_folder ${generated}/icons)
  add_custom_command(
    OUTPUT ${icon_folder}/64x64/apps/${MRL770_APP_ID}.png
    COMMAND mrl770-icons ${icon_folder} ${MRL770_APP_ID}
    DEPENDS mrl770-icons
    COMMENT "Drawing the desktop icon into ${icon_folder}"
    VERBATIM
  )
  add_custom_target(mrl770-desktop-icon ALL DEPENDS ${icon_folder}/64x64/apps/${MRL770_APP_ID}.png)
  install(DIRECTORY ${icon_folder}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

if(TARGET mrl770-settings)
  if(TARGET mrl770-cups-spooler)
    install(TARGETS mrl770-settings RUNTIME DESTINATION ${MRL770_PRIVATE_DIR})
    mrl770_install_bin_link(mrl770-settings)
  else()
    install(TARGETS mrl770-settings RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
  install(FILES cli/mrl770-settings.1 DESTINATION ${MRL770_MAN1_DIR})
  # Loaded by bash-completion when the command is first completed.
  install(FILES cli/mrl770-settings.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME mrl770-settings)
endif()

if(TARGET mrl770-printer-app)
  install(TARGETS mrl770-printer-app RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES printer-app/mrl770-printer-app.1 DESTINATION ${MRL770_MAN1_DIR})
endif()
