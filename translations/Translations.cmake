# The English interface: the windows' and the cores' translation files compiled into one
# dopusk_en.qm at build time and put in the program's resources as
# :/translations/dopusk_en.qm, so that the program finds it in the build tree as installed.
# The Russian interface is the source text and needs no file.
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)

# Qt's Linguist tools, Debian package qt6-l10n-tools.
find_program(DOPUSK_LRELEASE NAMES lrelease-qt6 lrelease HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin
  PATH_SUFFIXES qt6/bin NO_CACHE)
if(NOT DOPUSK_LRELEASE)
  message(FATAL_ERROR "lrelease (Debian package qt6-l10n-tools) is needed to compile the English "
                      "translation; scripts/ensure-packages.sh installs it")
endif()

set(DOPUSK_TS_FOLDER ${CMAKE_CURRENT_LIST_DIR})

# Compiles the translation beside `target` and puts it in its resources.
function(dopusk_add_translations target)
  set(ts_files ${DOPUSK_TS_FOLDER}/dopusk_en.ts ${DOPUSK_TS_FOLDER}/dopusk_cores_en.ts)
  set(qm ${CMAKE_CURRENT_BINARY_DIR}/translations/dopusk_en.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/translations
    COMMAND ${DOPUSK_LRELEASE} -silent ${ts_files} -qm ${qm}
    DEPENDS ${ts_files}
    COMMENT "Compiling the English translation"
    VERBATIM)
  set_source_files_properties(${qm} PROPERTIES QT_RESOURCE_ALIAS dopusk_en.qm)
  qt_add_resources(${target} dopusk_translations PREFIX /translations FILES ${qm})
endfunction()

# Renews the .ts files from the sources (scripts/update-translations.sh, which the check of the
# translations runs on copies): cmake --build --preset <preset> --target translations-update.
# New texts arrive unfinished; translate them (Qt Linguist or by hand) before committing.
add_custom_target(translations-update COMMAND ${PROJECT_SOURCE_DIR}/scripts/update-translations.sh
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
