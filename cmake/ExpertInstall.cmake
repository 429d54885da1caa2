# The install layout and the functions that put targets into it.
#
#   bin/                      the programs (RUNPATH $ORIGIN/../lib/expert-control)
#   lib/expert-control/       the shared libraries, private to this package (RUNPATH $ORIGIN)
#   share/expert-control/     the message catalogs and the model database (models/)
#   share/man/man1/           a manual page per program, made from its --help
#
# Only relative paths are compiled in (datadir/), so an installed tree works
# under any prefix and can be moved as a whole.
include(GNUInstallDirs)

# The menu entry's and the icon's name (resources/desktop/).
set(EXPERT_APP_ID org.expertcontrol.ExpertControl)
# Installing (cmake --install, cpack) takes what is built; `make install` and
# `make package` build first. Without this, cpack would build every target
# again, tests and benchmarks included.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(EXPERT_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/expert-control)
set(EXPERT_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/expert-control)
foreach(_dir CMAKE_INSTALL_BINDIR CMAKE_INSTALL_LIBDIR CMAKE_INSTALL_DATADIR)
  if(IS_ABSOLUTE "${${_dir}}")
    message(FATAL_ERROR "${_dir} must be relative to the prefix (an installed tree must stay movable), not ${${_dir}}")
  endif()
endforeach()
file(RELATIVE_PATH EXPERT_BIN_TO_LIB /${CMAKE_INSTALL_BINDIR} /${EXPERT_INSTALL_LIBDIR})
file(RELATIVE_PATH EXPERT_BIN_TO_DATAROOT /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_DATADIR})
file(RELATIVE_PATH EXPERT_LIB_TO_DATA /${EXPERT_INSTALL_LIBDIR} /${EXPERT_INSTALL_DATADIR})

# The build tree has the same data layout, seen from build/bin: the catalogs
# are built beside the libraries (found there), the model database is the
# source folder itself, linked in.
cmake_path(ABSOLUTE_PATH EXPERT_BIN_TO_DATAROOT BASE_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
           NORMALIZE OUTPUT_VARIABLE EXPERT_BUILD_DATAROOT)
set(EXPERT_BUILD_DATADIR ${EXPERT_BUILD_DATAROOT}/expert-control)
file(MAKE_DIRECTORY ${EXPERT_BUILD_DATADIR})
file(CREATE_LINK ${CMAKE_SOURCE_DIR}/models/db ${EXPERT_BUILD_DATADIR}/models SYMBOLIC)

# Manual pages from each program's --help, at build time, so they never
# drift from the program. Dated with the release, so rebuilding changes
# nothing. The sanitizer build is for tests only and skips them.
set(EXPERT_RELEASE_DATE 2026-12-06)
set(EXPERT_RELEASE_EPOCH 1796515200)  # EXPERT_RELEASE_DATE at 00:00 UTC
if(EXPERT_SANITIZE)
  set(_man_default OFF)
else()
  set(_man_default ON)
endif()
option(EXPERT_MAN_PAGES "Generate and install the manual pages (needs help2man)" ${_man_default})
if(EXPERT_MAN_PAGES)
  find_program(EXPERT_HELP2MAN help2man)
  find_program(EXPERT_GZIP gzip)
  if(NOT EXPERT_HELP2MAN OR NOT EXPERT_GZIP)
    message(FATAL_ERROR "help2man and gzip make the manual pages: install them (make deps) or configure with -DEXPERT_MAN_PAGES=OFF")
  endif()
endif()
set(EXPERT_MAN_BUILD_DIR ${CMAKE_BINARY_DIR}/man/man1)

# expert_install_program(<target> DESCRIPTION "<what it is, for the manual's NAME line>")
# Installs a program into bin with a RUNPATH relative to itself, and its
# manual page, generated from its --help.
function(expert_install_program target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "DESCRIPTION" "")
  if(NOT ARG_DESCRIPTION)
    message(FATAL_ERROR "expert_install_program(${target}): DESCRIPTION is required for its manual page")
  endif()
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${EXPERT_BIN_TO_LIB}")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(NOT EXPERT_MAN_PAGES)
    return()
  endif()
  set(_page ${EXPERT_MAN_BUILD_DIR}/${target}.1)
  add_custom_command(
    OUTPUT ${_page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${EXPERT_MAN_BUILD_DIR}
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=${EXPERT_RELEASE_EPOCH} --unset=EXPERT_LOG
            ${EXPERT_HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
            --name=${ARG_DESCRIPTION} --output=${_page} $<TARGET_FILE:${target}>
    COMMAND ${EXPERT_GZIP} -9nf ${_page}
    DEPENDS ${target}
    COMMENT "Writing the manual page of ${target} from its --help"
    VERBATIM)
  add_custom_target(${target}_manpage ALL DEPENDS ${_page}.gz)
  install(FILES ${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

# expert_install_library(<target>): a shared library of the package, into its
# private library directory; it finds its siblings through RUNPATH $ORIGIN.
function(expert_install_library target)
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} LIBRARY DESTINATION ${EXPERT_INSTALL_LIBDIR})
endfunction()
