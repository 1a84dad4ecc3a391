# What `cmake --install` puts where (GNUInstallDirs), and the Debian package `cpack -G DEB` makes
# of it. The program finds its data folder relative to its bin folder, so the tree may be moved.
include(GNUInstallDirs)

set(VELMORA_APP_ID example.halvik.Velmora)
set(VELMORA_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
set(VELMORA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/velmora)

# Manual pages and the changelog are installed compressed, as Debian wants them (gzip -9n, so the
# bytes do not depend on the time of the build); uncompressed where there is no gzip.
find_program(VELMORA_GZIP gzip)
set(VELMORA_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/compressed)
add_custom_target(velmora_compressed ALL)
function(velmora_install_compressed source destination)
  if(NOT VELMORA_GZIP)
    install(FILES ${source} DESTINATION ${destination})
    return()
  endif()
  get_filename_component(name ${source} NAME)
  set(output ${VELMORA_COMPRESSED_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_COMPRESSED_DIR}
    COMMAND ${VELMORA_GZIP} -9nc ${source} > ${output}
    DEPENDS ${source})
  add_custom_target(velmora_compressed_${name} DEPENDS ${output})
  add_dependencies(velmora_compressed velmora_compressed_${name})
  install(FILES ${output} DESTINATION ${destination})
endfunction()

install(TARGETS velmora-cardset velmora-pack RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(page velmora-cardset.1 velmora-pack.1)
  velmora_install_compressed(${CMAKE_SOURCE_DIR}/resources/man/${page} ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

if(VELMORA_BUILD_UI)
  install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Debian looks for the games of its games section in games/; the program stays in bin/ with its
  # tools, where the PATH finds it and whence it finds its data.
  install(CODE "
    set(games \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games\")
    file(MAKE_DIRECTORY \"\${games}\")
    file(CREATE_LINK ../${CMAKE_INSTALL_BINDIR}/velmora \"\${games}/velmora\" SYMBOLIC)
    message(STATUS \"Installing: \${games}/velmora\")")
  get_property(shipped_files GLOBAL PROPERTY VELMORA_SHIPPED_FILES)
  install(FILES ${shipped_files} DESTINATION ${VELMORA_SHARE_DIR})

  install(FILES ${VELMORA_DESKTOP_DIR}/${VELMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VELMORA_DESKTOP_DIR}/${VELMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${VELMORA_DESKTOP_DIR}/${VELMORA_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  velmora_install_compressed(${CMAKE_SOURCE_DIR}/resources/man/velmora.6 ${CMAKE_INSTALL_MANDIR}/man6)

  # The SVGs are drawn by hand after the logo; the PNGs by the logo's own code at each size.
  set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${VELMORA_DESKTOP_DIR}/icons/${VELMORA_APP_ID}.svg DESTINATION ${icon_dir}/scalable/apps)
  install(FILES ${VELMORA_DESKTOP_DIR}/icons/application-x-velmora-cardset.svg
          DESTINATION ${icon_dir}/scalable/mimetypes)
  set(drawn_icons ${CMAKE_BINARY_DIR}/icons/hicolor)
  add_custom_command(OUTPUT ${drawn_icons}/256x256/apps/${VELMORA_APP_ID}.png
    COMMAND velmora-cardart icons ${drawn_icons} ${VELMORA_APP_ID}
    DEPENDS velmora-cardart
    COMMENT "Drawing the desktop icons")
  add_custom_target(velmora_icons ALL DEPENDS ${drawn_icons}/256x256/apps/${VELMORA_APP_ID}.png)
  install(DIRECTORY ${drawn_icons}/ DESTINATION ${icon_dir})
endif()

# --- the Debian package --------------------------------------------------------------------------
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velmora)
install(FILES ${VELMORA_DESKTOP_DIR}/copyright DESTINATION ${doc_dir})
velmora_install_compressed(${VELMORA_DESKTOP_DIR}/changelog ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Halvik Software")
set(CPACK_PACKAGE_CONTACT "Halvik Software <support@halvik.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "memory-matching card game for two to nine players")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.halvik.example/velmora/")
# CPack puts the summary first and indents each line of this below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Velmora lays cards face down on a board of 5x4, 7x6, 8x8 or 10x10 cards. A
player turns up two cards a turn: a matching pair scores and plays again, a
miss passes the turn. Players can be people or computer players of a chosen
memory; each keeps lifetime statistics on a scoreboard.
.
Card sets of pictures can be made with a wizard or with velmora-cardset.")
# The desktop, MIME and icon caches are rebuilt by the file triggers of the packages that own
# them, so the package needs no maintainer scripts of its own.
include(CPack)

if(VELMORA_BUILD_TESTS AND VELMORA_BUILD_UI)
  add_test(NAME InstalledTree
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/installed-tree.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(InstalledTree PROPERTIES TIMEOUT 120)
endif()
