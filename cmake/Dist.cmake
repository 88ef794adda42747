# Release archives, written to build/dist: the Windows program with its help
# as a zip (built with the 64-bit Windows tree, whose tests unpack it), and
# qv with its man page as a tarball (built on request in the host tree).
set(QV_DIST_DIR ${CMAKE_SOURCE_DIR}/build/dist CACHE PATH "Where the release archives go")
set(QV_STAGE_ROOT ${CMAKE_BINARY_DIR}/dist)
file(MAKE_DIRECTORY ${QV_STAGE_ROOT})

# qv_dist_archive(TARGET ARCHIVE FOLDER ALL|MANUAL STRIP exe... COPY file... [FORMAT zip|gnutar])
function(qv_dist_archive target archive folder when)
  cmake_parse_arguments(ARG "" "FORMAT" "STRIP;COPY" ${ARGN})
  set(stage ${QV_STAGE_ROOT}/${folder})
  set(commands COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} COMMAND ${CMAKE_COMMAND} -E make_directory ${stage})
  set(depends)
  foreach(exe IN LISTS ARG_STRIP)
    list(APPEND commands COMMAND ${CMAKE_STRIP} -o ${stage}/$<TARGET_FILE_NAME:${exe}> $<TARGET_FILE:${exe}>)
    list(APPEND depends ${exe})
  endforeach()
  list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy ${ARG_COPY} ${stage})
  set(flags cf)
  if(ARG_FORMAT STREQUAL "zip")
    set(format --format=zip)
  else()
    set(flags czf)
    set(format --format=gnutar)
  endif()
  add_custom_command(
    OUTPUT ${QV_DIST_DIR}/${archive}
    ${commands}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E tar ${flags} ${QV_DIST_DIR}/${archive} ${format} -- ${folder}
    WORKING_DIRECTORY ${QV_STAGE_ROOT}
    DEPENDS ${depends} ${ARG_COPY}
    COMMENT "Release archive ${archive}"
    VERBATIM)
  if(when STREQUAL "ALL")
    add_custom_target(${target} ALL DEPENDS ${QV_DIST_DIR}/${archive})
  else()
    add_custom_target(${target} DEPENDS ${QV_DIST_DIR}/${archive})
  endif()
endfunction()

set(QV_RELEASE ${PROJECT_VERSION})
if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  # Windows users read text files in Notepad, which wants CR LF.
  configure_file(${CMAKE_SOURCE_DIR}/docs/dist/README.txt ${CMAKE_BINARY_DIR}/docs/README.txt @ONLY NEWLINE_STYLE CRLF)
  set(QV_WIN64_ZIP ${QV_DIST_DIR}/quorvik-${QV_RELEASE}-win64.zip CACHE INTERNAL "")
  qv_dist_archive(dist_win64 quorvik-${QV_RELEASE}-win64.zip quorvik-${QV_RELEASE} ALL FORMAT zip
    STRIP Quorvik qv
    COPY ${QV_HELP_FILES} ${CMAKE_BINARY_DIR}/docs/README.txt)
  # The archive unpacked into a new folder, and both programs started from there.
  add_test(NAME dist_win64_test COMMAND ${CMAKE_SOURCE_DIR}/tools/dist-test.sh ${QV_WINE_STATE} ${QV_WIN64_ZIP})
  set_tests_properties(dist_win64_test PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  qv_dist_archive(dist_linux qv-${QV_RELEASE}-linux-x86_64.tar.gz qv-${QV_RELEASE} MANUAL
    STRIP qv
    COPY ${QV_MAN_PAGE})
  add_dependencies(dist_linux qv_man)
endif()
