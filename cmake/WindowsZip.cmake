# dopusk-limits for Windows in one zip: the .exe, its manual as plain UTF-8 text and the
# JSON Schema of its answers.
#   cmake --build <build> --target dopusk-limits-zip
#   -> <build>/dopusk-limits-<version>-win64.zip
find_program(GROFF groff)
if(NOT GROFF)
  message(FATAL_ERROR "groff (Debian package groff-base) is needed to write the manual as text")
endif()

set(zip_stage ${PROJECT_BINARY_DIR}/zip/dopusk-limits)
set(DOPUSK_LIMITS_ZIP ${PROJECT_BINARY_DIR}/dopusk-limits-${PROJECT_VERSION}-win64.zip)
configure_file(${PROJECT_SOURCE_DIR}/packaging/dopusk-limits.1.in ${PROJECT_BINARY_DIR}/zip/dopusk-limits.1 @ONLY)
add_custom_command(OUTPUT ${zip_stage}/dopusk-limits.txt
  COMMAND ${CMAKE_COMMAND} -DGROFF=${GROFF} -DMANUAL=${PROJECT_BINARY_DIR}/zip/dopusk-limits.1
          -DTEXT=${zip_stage}/dopusk-limits.txt -P ${PROJECT_SOURCE_DIR}/cmake/ManualText.cmake
  DEPENDS ${PROJECT_BINARY_DIR}/zip/dopusk-limits.1 ${PROJECT_SOURCE_DIR}/cmake/ManualText.cmake
  COMMENT "Writing the manual of dopusk-limits as text"
  VERBATIM)
add_custom_command(OUTPUT ${DOPUSK_LIMITS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:dopusk-limits> ${zip_stage}/dopusk-limits.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/dopusk-limits.schema.json ${zip_stage}/
  COMMAND ${CMAKE_COMMAND} -E rm -f ${DOPUSK_LIMITS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${DOPUSK_LIMITS_ZIP} --format=zip --mtime=${DOPUSK_RELEASE_DATE}
          dopusk-limits/dopusk-limits.exe dopusk-limits/dopusk-limits.txt dopusk-limits/dopusk-limits.schema.json
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/zip
  DEPENDS dopusk-limits ${zip_stage}/dopusk-limits.txt ${PROJECT_SOURCE_DIR}/packaging/dopusk-limits.schema.json
  COMMENT "Packing ${DOPUSK_LIMITS_ZIP}"
  VERBATIM)
add_custom_target(dopusk-limits-zip DEPENDS ${DOPUSK_LIMITS_ZIP})
