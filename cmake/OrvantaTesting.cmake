# orvanta_test(NAME LABEL label SOURCES... DEPENDS libs...) builds one GoogleTest executable
# and registers its tests with ctest under the given label. Cross builds run them through
# CMAKE_CROSSCOMPILING_EMULATOR (Wine).
if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest as sources; build them with the cross compiler.
  if(NOT TARGET gtest)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
  set(ORVANTA_GTEST_LIBS gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  set(ORVANTA_GTEST_LIBS GTest::gtest GTest::gtest_main)
endif()
include(GoogleTest)

function(orvanta_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE orvanta_options ${ARG_DEPENDS} ${ORVANTA_GTEST_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    ORVANTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ORVANTA_BINARY_DIR="${CMAKE_BINARY_DIR}")
  set(label ${ARG_LABEL})
  if(CMAKE_CROSSCOMPILING)
    set(label wine)
  endif()
  gtest_discover_tests(${name} PROPERTIES LABELS ${label} DISCOVERY_TIMEOUT 120
                       DISCOVERY_MODE PRE_TEST)
endfunction()
