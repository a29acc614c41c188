# Packaging: the manual pages, the software-centre entry, the copyright notes and `make package`,
# a Debian package made by CPack from the same install rules, for the /usr prefix.
set(QUILLO_RELEASE_DATE 2026-12-06)  # this version's date: metainfo, manual pages, changelog
set(QUILLO_APP_ID invalid.quillo.Quillo CACHE STRING "AppStream id, the reverse of a domain name")
set(QUILLO_HOMEPAGE https://quillo.invalid CACHE STRING "The game's web address (metainfo)")
set(CPACK_PACKAGE_CONTACT "Quillo Lead <lead@quillo.invalid>")
set(QUILLO_DOC_DIR ${CMAKE_BINARY_DIR}/doc)

# A fenced block of a Markdown file, the first after a heading, made into the body of a field of
# a Debian copyright file: every line indented by one space, an empty line written " .".
function(quillo_copyright_body file heading out)
  file(READ ${file} text)
  string(FIND "${text}" "${heading}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} has no '${heading}'")
  endif()
  string(SUBSTRING "${text}" ${at} -1 text)
  string(FIND "${text}" "```\n" open)
  math(EXPR open "${open} + 4")
  string(SUBSTRING "${text}" ${open} -1 text)
  string(FIND "${text}" "\n```" close)
  string(SUBSTRING "${text}" 0 ${close} text)
  string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
  string(REPLACE "\n" "\n " text " ${text}")
  # Twice, as a run of empty lines shares the newlines between them.
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

quillo_copyright_body(${CMAKE_SOURCE_DIR}/data/README-words.md "### SCOWL copyright file"
                      QUILLO_SCOWL_NOTICE)
quillo_copyright_body(${CMAKE_SOURCE_DIR}/data/README-words.md "The licence text:"
                      QUILLO_ISC_NOTICE)
execute_process(COMMAND date -u -R -d "${QUILLO_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE QUILLO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

configure_file(cmake/copyright.in ${QUILLO_DOC_DIR}/copyright @ONLY)
configure_file(cmake/changelog.in ${QUILLO_DOC_DIR}/changelog @ONLY)
configure_file(cmake/quillo.metainfo.xml.in ${QUILLO_DOC_DIR}/${QUILLO_APP_ID}.metainfo.xml @ONLY)
configure_file(docs/man/quillo.6.in ${QUILLO_DOC_DIR}/quillo.6 @ONLY)
configure_file(docs/man/quillo-tool.6.in ${QUILLO_DOC_DIR}/quillo-tool.6 @ONLY)

# Debian wants manual pages and the changelog compressed, without a time stamp.
set(QUILLO_DOC_OUTPUTS)
foreach(name quillo.6 quillo-tool.6 changelog)
  add_custom_command(OUTPUT ${QUILLO_DOC_DIR}/${name}.gz
    COMMAND sh -c "gzip -9nc '${QUILLO_DOC_DIR}/${name}' > '${QUILLO_DOC_DIR}/${name}.gz'"
    DEPENDS ${QUILLO_DOC_DIR}/${name} VERBATIM)
  list(APPEND QUILLO_DOC_OUTPUTS ${QUILLO_DOC_DIR}/${name}.gz)
endforeach()
add_custom_target(quillo_docs ALL DEPENDS ${QUILLO_DOC_OUTPUTS})

install(FILES ${QUILLO_DOC_DIR}/quillo.6.gz ${QUILLO_DOC_DIR}/quillo-tool.6.gz
        DESTINATION share/man/man6)
install(FILES ${QUILLO_DOC_DIR}/${QUILLO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${QUILLO_DOC_DIR}/copyright ${QUILLO_DOC_DIR}/changelog.gz DESTINATION share/doc/quillo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cryptogram game: solve enciphered quotations")
set(CPACK_PACKAGE_DESCRIPTION [[
Quillo! takes a famous quotation and replaces every letter through a
random substitution key in which no letter stands for itself. You recover
the quotation letter by letter: pick an enciphered letter and type or click
the letter you believe it stands for.

Help is at hand - confirm your letters, undo your first mistake, reveal a
letter, list the dictionary words that fit a half-solved word - but every
kind of help adds time to the clock, and the clock is your score. More than
two thousand quotations and an English dictionary are included.]])
# The desktop entry is written with the installing prefix, so the staging folder must come
# from DESTDIR and the prefix stay /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Every install rule is in the default component; installing it by name writes the manifest to
# install_manifest_Unspecified.txt, so the one of a real install, used for uninstalling, stays.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit loads its sound back ends (GStreamer, FFmpeg) and the CUPS print support as plugins;
# Debian ships them in these two libraries' packages. The statistics window's charts library is
# named too, although the module's own link would bring it in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6multimedia6, libqt6printsupport6, libqt6charts6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
