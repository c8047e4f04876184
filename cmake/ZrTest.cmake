# zr_add_test(NAME name SOURCES files... LIBS targets... [LABELS labels...])
# A Qt Test executable run by CTest with the offscreen platform.
function(zr_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  target_link_libraries(${T_NAME} PRIVATE zr_testsupport)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    # The user's data folder (backups, history) of each test and the programs it runs is its own.
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZR_BIN_DIR=${CMAKE_BINARY_DIR}/bin;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/${T_NAME}"
    TIMEOUT 300
    LABELS "${T_LABELS}")
endfunction()
