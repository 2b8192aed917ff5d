# The Debian package: the same game laid out as Debian keeps its games, in the
# install component `deb`, which a plain `cmake --install` leaves out. CPack
# turns that component into the .deb (scripts/package.sh):
#
#   /usr/games/tumbaro                 the launcher
#   /usr/lib/games/tumbaro/            the program, its sound and statistics modules
#   /usr/share/games/tumbaro/          the files copied into the working folder
#   /usr/share/{applications,metainfo,icons,man,doc}/...

set(DebComponent deb)
set(DebPrefix /usr)
set(DebBinDir games)
set(DebProgramDir lib/games/tumbaro)
set(DebDataDir share/games/tumbaro)
set(DebDocDir share/doc/tumbaro)
set(DebOut "${CMAKE_CURRENT_BINARY_DIR}/deb")

# The same launcher as above, with the relative paths of this layout.
function(tumbaro_configure_deb_launcher)
  file(RELATIVE_PATH TUMBARO_BIN_TO_DATA "${DebPrefix}/${DebBinDir}" "${DebPrefix}/share/games")
  file(RELATIVE_PATH TUMBARO_BIN_TO_LIBEXEC "${DebPrefix}/${DebBinDir}" "${DebPrefix}/lib/games")
  configure_file(tumbaro.sh.in "${DebOut}/tumbaro" @ONLY)
endfunction()
tumbaro_configure_deb_launcher()

# Debian wants the manual page and the changelog compressed with gzip -9 and
# without a time stamp in the header (-n), so the package is reproducible.
set(DebGzipped)
foreach(pair "tumbaro.6;tumbaro.6.gz" "changelog;changelog.Debian.gz")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT "${DebOut}/${target}"
    COMMAND sh -c "gzip -9n <\"$0\" >\"$1\"" "${CMAKE_CURRENT_SOURCE_DIR}/${source}" "${DebOut}/${target}"
    DEPENDS "${source}"
    VERBATIM)
  list(APPEND DebGzipped "${DebOut}/${target}")
endforeach()
add_custom_target(tumbaro_deb_docs ALL DEPENDS ${DebGzipped})

install(TARGETS tumbaro
  RUNTIME DESTINATION "${DebProgramDir}"
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
# A module is loaded, never run: no execute bits.
install(TARGETS tumbaro_sound_module tumbaro_statistics_module
  LIBRARY DESTINATION "${DebProgramDir}"
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
# Stripped as Debian's own tools strip: no symbols, no compiler notes. The
# module's dynamic symbols stay, so the game still finds its entry point.
install(CODE "
  foreach(binary tumbaro libtumbaro-sound.so libtumbaro-statistics.so)
    execute_process(
      COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${DebProgramDir}/\${binary}\"
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()"
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
install(PROGRAMS "${DebOut}/tumbaro"
  DESTINATION "${DebBinDir}"
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)

install(FILES ${TumbaroRuntimeFiles}
  DESTINATION "${DebDataDir}"
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
install(FILES ${TumbaroHelpPages}
  DESTINATION "${DebDataDir}/Help"
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)

install(FILES "${TumbaroAppId}.desktop"
  DESTINATION share/applications
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
install(FILES "${TumbaroAppId}.metainfo.xml"
  DESTINATION share/metainfo
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/assets/icons/hicolor"
  DESTINATION share/icons
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
install(FILES "${DebOut}/tumbaro.6.gz"
  DESTINATION share/man/man6
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
install(FILES copyright "${DebOut}/changelog.Debian.gz"
  DESTINATION "${DebDocDir}"
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)
install(FILES lintian-overrides
  DESTINATION share/lintian/overrides
  RENAME tumbaro
  COMPONENT ${DebComponent} EXCLUDE_FROM_ALL)

# The package's version and maintainer are those of the newest entry of its
# changelog, so the two can never disagree; the version must still be this
# project's.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS changelog)
file(STRINGS changelog DebNewest LIMIT_COUNT 1)
if(NOT DebNewest MATCHES "^tumbaro \\(([^)]+)-([^)-]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: cannot read the version of its first entry: ${DebNewest}")
endif()
set(TUMBARO_DEB_UPSTREAM_VERSION "${CMAKE_MATCH_1}")
set(TUMBARO_DEB_REVISION "${CMAKE_MATCH_2}")
file(STRINGS changelog DebSignature REGEX "^ -- " LIMIT_COUNT 1)
if(NOT DebSignature MATCHES "^ -- ([^<]+ <[^>]+>)  ")
  message(FATAL_ERROR "packaging/changelog: cannot read the maintainer of its first entry: ${DebSignature}")
endif()
set(TUMBARO_DEB_MAINTAINER "${CMAKE_MATCH_1}")
if(NOT TUMBARO_DEB_UPSTREAM_VERSION STREQUAL PROJECT_VERSION)
  message(WARNING "packaging/changelog's newest entry is for ${TUMBARO_DEB_UPSTREAM_VERSION}, "
    "the project is ${PROJECT_VERSION}: add an entry before building the package")
endif()

configure_file(CPackDeb.cmake.in "${PROJECT_BINARY_DIR}/CPackDeb.cmake" @ONLY)
