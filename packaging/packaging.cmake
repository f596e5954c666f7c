# Install rules and the Debian package (cpack -G DEB). Every destination is relative to the
# prefix, so that DESTDIR and cpack can stage the tree anywhere.
include(GNUInstallDirs)

set(MRL770_HOMEPAGE "https://example.org/mrl770-config" CACHE STRING
    "The project's web page, named by the package and the AppStream metainfo")
# The window program's own folder: it reads its bitmap files, and any module of its own, from
# the folder its executable lies in.
set(MRL770_PRIVATE_DIR lib/mrl770-config CACHE STRING
    "Folder of mrl770-config and its bitmap files, relative to the prefix")
set(MRL770_MAN1_DIR ${CMAKE_INSTALL_MANDIR}/man1)
# Files made for the install: the link, the configured desktop files and the icons.
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated})

if(TARGET mrl770-config)
  install(TARGETS mrl770-config RUNTIME DESTINATION ${MRL770_PRIVATE_DIR})
  install(FILES ${MRL770_BITMAP_FILES} DESTINATION ${MRL770_PRIVATE_DIR})
  # The spooler module, which the program loads from its own folder on the first print.
  install(TARGETS mrl770-cups-spooler LIBRARY DESTINATION ${MRL770_PRIVATE_DIR})

  # bin/mrl770-config is a relative link into that folder; Qt resolves it, so the program
  # still finds its files beside its real self.
  file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${MRL770_PRIVATE_DIR}/mrl770-config)
  file(CREATE_LINK ${link_target} ${generated}/mrl770-config SYMBOLIC)
  install(PROGRAMS ${generated}/mrl770-config DESTINATION ${CMAKE_INSTALL_BINDIR})
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
  install(TARGETS mrl770-settings RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES cli/mrl770-settings.1 DESTINATION ${MRL770_MAN1_DIR})
  # Loaded by bash-completion when the command is first completed.
  install(FILES cli/mrl770-settings.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME mrl770-settings)
endif()

set(CPACK_PACKAGE_NAME mrl770-config)
set(CPACK_PACKAGE_VENDOR "The mrl770-config developers")
set(CPACK_PACKAGE_CONTACT "mrl770-config developers <mrl770-config@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "set the permanent settings of the Zel MRL 770 dot-matrix printer")
set(CPACK_PACKAGE_DESCRIPTION
    "A window, mrl770-config, and a command-line program, mrl770-settings, that set the 21
permanent settings of the Zel MRL 770, a 9-pin, 80-column dot-matrix printer, and print
its features page in ESC/P or IBM emulation. They send raw jobs through CUPS to a queue
that passes raw data through.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MRL770_HOMEPAGE})
# The libraries come from dpkg-shlibdeps; Qt's platform plugins, without which no window
# opens, are loaded at run time and so are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
