# qv_add_test(NAME SOURCES... LIBS ...): one GoogleTest executable, one ctest entry.
# In the Windows trees it runs under Wine, in the Xvfb and wineserver that the
# wine_env fixture starts once for the whole run.
if(WIN32)
  add_test(NAME wine_env_start COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-env.sh start ${QV_WINE_STATE})
  add_test(NAME wine_env_stop COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-env.sh stop ${QV_WINE_STATE})
  set_tests_properties(wine_env_start PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine_env_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

function(qv_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(WIN32)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
  endif()
endfunction()
