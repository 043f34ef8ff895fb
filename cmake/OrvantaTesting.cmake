# orvanta_test(NAME [ON_DISPLAY] LABEL label SOURCES... DEPENDS libs...) builds one GoogleTest
# executable and registers its tests with ctest under the given label. Cross builds run them
# through CMAKE_CROSSCOMPILING_EMULATOR (scripts/wine-run) and label them `wine` instead;
# ON_DISPLAY runs them there on a private Xvfb display, in a Wine prefix of their own.
if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest as sources; build them with the cross compiler.
  if(NOT TARGET gtest)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
  set(ORVANTA_GTEST_LIBS gtest gtest_main)

  # The tests get their own Wine prefix inside the build tree, so a fresh build starts from a
  # fresh prefix and nothing depends on the caller's home directory.
  set(ORVANTA_WINE_ROOT ${CMAKE_BINARY_DIR}/wine CACHE PATH "Root of the Wine prefixes the tests use")
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ORVANTA_WINE_ARCH win64)
  else()
    set(ORVANTA_WINE_ARCH win32)
  endif()
  set(ORVANTA_TEST_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR} --test
                            --prefix-root=${ORVANTA_WINE_ROOT})
  # Programs that open windows: Wine's desktop process keeps the display it started on, so
  # they get their own prefix, whose server each run ends, and run one at a time.
  set(ORVANTA_WINE_DISPLAY_ROOT ${ORVANTA_WINE_ROOT}-display)
  set(ORVANTA_DISPLAY_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/run-on-xvfb
                               --wine-prefix-root=${ORVANTA_WINE_DISPLAY_ROOT}
                               ${CMAKE_CROSSCOMPILING_EMULATOR} --test
                               --prefix-root=${ORVANTA_WINE_DISPLAY_ROOT})
  execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --check=${ORVANTA_WINE_ARCH}
                  RESULT_VARIABLE wine_check OUTPUT_QUIET ERROR_QUIET)
  if(NOT wine_check EQUAL 0)
    message(WARNING "Wine cannot run ${ORVANTA_WINE_ARCH} programs on this machine: the tests "
                    "are built but reported as skipped. Kernels without IA-32 support need the "
                    "win64 preset to run them.")
  endif()
else()
  find_package(GTest REQUIRED)
  set(ORVANTA_GTEST_LIBS GTest::gtest GTest::gtest_main)
endif()
include(GoogleTest)

# orvanta_add_wine_test(NAME TARGET target [ARGS...] [ENVIRONMENT vars...]) registers one
# extra ctest run of a test executable under Wine, e.g. with a filter and a time zone.
function(orvanta_add_wine_test name)
  cmake_parse_arguments(ARG "" "TARGET" "ARGS;ENVIRONMENT" ${ARGN})
  add_test(NAME ${name} COMMAND ${ARG_TARGET} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES LABELS wine SKIP_RETURN_CODE 77
                                          ENVIRONMENT "${ARG_ENVIRONMENT}")
endfunction()

function(orvanta_test name)
  cmake_parse_arguments(ARG "ON_DISPLAY" "LABEL" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE orvanta_options ${ARG_DEPENDS} ${ORVANTA_GTEST_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    ORVANTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ORVANTA_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(NOT CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${name} PROPERTIES LABELS ${ARG_LABEL} DISCOVERY_TIMEOUT 120
                         DISCOVERY_MODE PRE_TEST)
    return()
  endif()
  # Under Wine every process start costs the better part of a second, so each executable runs
  # all its tests in one process: one ctest entry per executable, whose output lists every case.
  # wine-run exits 77 (skipped) where this machine cannot run the build's programs.
  if(ARG_ON_DISPLAY)
    set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${ORVANTA_DISPLAY_EMULATOR})
  else()
    set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${ORVANTA_TEST_EMULATOR})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS wine SKIP_RETURN_CODE 77)
  if(ARG_ON_DISPLAY)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK orvanta_wine_display)
  endif()
endfunction()
