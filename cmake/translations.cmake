# The game's catalogues: one Qt Linguist source a language in translations/, compiled at build time
# into the application folder's translations/ and installed with it. After a change of the program's
# texts, `cmake --build --preset debug --target trivolo_lupdate` brings the sources up to date.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
file(GLOB TRIVOLO_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/trivolo_*.ts)
file(GLOB_RECURSE texts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h
     ${CMAKE_SOURCE_DIR}/src/*.ui)
set_source_files_properties(${TRIVOLO_TS_FILES} PROPERTIES OUTPUT_LOCATION ${TRIVOLO_APP_DIR}/translations)
qt_add_lrelease(trivolo TS_FILES ${TRIVOLO_TS_FILES} QM_FILES_OUTPUT_VARIABLE TRIVOLO_QM_FILES OPTIONS -silent)
qt_add_lupdate(trivolo TS_FILES ${TRIVOLO_TS_FILES} SOURCES ${texts} OPTIONS -locations none -no-obsolete)
install(FILES ${TRIVOLO_QM_FILES} DESTINATION translations)

# The texts the program shows, extracted afresh whenever a source changes: every catalogue must
# translate exactly these, completely; and the pseudo-translation the tests run under is made
# from them.
set(TRIVOLO_L10N_DIR ${CMAKE_BINARY_DIR}/translations)
add_executable(trivolo_catalogues ${CMAKE_SOURCE_DIR}/tools/catalogues.cpp)
target_link_libraries(trivolo_catalogues PRIVATE Qt6::Core trivolo_warnings)
add_custom_command(OUTPUT ${TRIVOLO_L10N_DIR}/extracted.ts
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TRIVOLO_L10N_DIR}/extracted.ts
  COMMAND Qt6::lupdate -silent -locations none ${CMAKE_SOURCE_DIR}/src -ts ${TRIVOLO_L10N_DIR}/extracted.ts
  DEPENDS ${texts} VERBATIM)
add_custom_command(OUTPUT ${TRIVOLO_L10N_DIR}/checked
  COMMAND trivolo_catalogues check ${TRIVOLO_L10N_DIR}/extracted.ts ${TRIVOLO_L10N_DIR}/checked ${TRIVOLO_TS_FILES}
  DEPENDS trivolo_catalogues ${TRIVOLO_L10N_DIR}/extracted.ts ${TRIVOLO_TS_FILES}
  COMMENT "Checking the catalogues against the program's texts" VERBATIM)
add_custom_command(OUTPUT ${TRIVOLO_L10N_DIR}/pseudo/trivolo_pseudo.qm
  COMMAND trivolo_catalogues pseudo ${TRIVOLO_L10N_DIR}/extracted.ts ${TRIVOLO_L10N_DIR}/pseudo.ts
  COMMAND Qt6::lrelease -silent ${TRIVOLO_L10N_DIR}/pseudo.ts -qm ${TRIVOLO_L10N_DIR}/pseudo/trivolo_pseudo.qm
  DEPENDS trivolo_catalogues ${TRIVOLO_L10N_DIR}/extracted.ts VERBATIM)
add_custom_target(catalogues ALL DEPENDS ${TRIVOLO_L10N_DIR}/checked ${TRIVOLO_L10N_DIR}/pseudo/trivolo_pseudo.qm)
