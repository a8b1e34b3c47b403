# The program in German and French: dist/translations/reckora_<language>.ts are compiled by
# lrelease and built into target's resources under :/i18n, where Translations loads them for the
# system locale. lupdate sees the plain tables' texts through the RECKORA_USER_TEXT marker.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(RECKORA_TS_FILES
  ${PROJECT_SOURCE_DIR}/dist/translations/reckora_de.ts
  ${PROJECT_SOURCE_DIR}/dist/translations/reckora_fr.ts)
# The folders whose sources hold texts the user reads.
set(RECKORA_TRANSLATED_FOLDERS engine tape window input settings core desktop app)
set(RECKORA_LUPDATE_OPTIONS -tr-function-alias QT_TR_NOOP+=RECKORA_USER_TEXT -locations none
  -extensions cpp,h)

function(reckora_add_translations target)
  set_source_files_properties(${RECKORA_TS_FILES}
    PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/i18n)
  qt_add_lrelease(${target} TS_FILES ${RECKORA_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} reckora_translations PREFIX /i18n
    BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${qm_files})

  set(folders)
  foreach(folder IN LISTS RECKORA_TRANSLATED_FOLDERS)
    list(APPEND folders ${PROJECT_SOURCE_DIR}/${folder})
  endforeach()
  # Brings the .ts files in the tree up to date with the sources (then translate what is new).
  add_custom_target(update-translations
    COMMAND Qt6::lupdate ${RECKORA_LUPDATE_OPTIONS} -no-obsolete ${folders} -ts ${RECKORA_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    VERBATIM)
  # Fails when a shipped language has a text without translation or one the sources dropped.
  list(JOIN RECKORA_LUPDATE_OPTIONS " " options)
  list(JOIN folders " " folder_words)
  add_test(NAME dist.translations_complete
    COMMAND ${PROJECT_SOURCE_DIR}/dist/translations/check-translations
            $<TARGET_FILE:Qt6::lupdate> "${options}" "${folder_words}" ${RECKORA_TS_FILES})
  # The same check refuses a menu letter off the US keyboard (É), and only that one.
  add_test(NAME dist.translations_menu_letters
    COMMAND ${PROJECT_SOURCE_DIR}/dist/translations/check-translations true "" ""
            ${PROJECT_SOURCE_DIR}/tests/translations/menu-letters.ts)
  set_tests_properties(dist.translations_menu_letters PROPERTIES
    PASS_REGULAR_EXPRESSION "keyboard[^\n]*\n<translation>&amp;Édition</translation>"
    FAIL_REGULAR_EXPRESSION "Fichier|fermer|ide<")
endfunction()
