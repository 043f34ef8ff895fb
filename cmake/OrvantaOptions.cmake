# Compile options shared by every target of the project.
add_library(orvanta_options INTERFACE)
target_compile_options(orvanta_options INTERFACE -Wall -Wextra)
if(ORVANTA_WERROR)
  target_compile_options(orvanta_options INTERFACE -Werror)
endif()
if(ORVANTA_SANITIZE)
  target_compile_options(orvanta_options INTERFACE -fsanitize=address,undefined
                                                   -fno-sanitize-recover=undefined
                                                   -fno-omit-frame-pointer)
  target_link_options(orvanta_options INTERFACE -fsanitize=address,undefined)
endif()
if(ORVANTA_TSAN)
  target_compile_options(orvanta_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(orvanta_options INTERFACE -fsanitize=thread)
endif()
if(ORVANTA_BUILD_FUZZ)
  # Coverage instrumentation for libFuzzer in every library the targets link.
  target_compile_options(orvanta_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
if(MINGW)
  target_compile_definitions(orvanta_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN
                                                       NOMINMAX _WIN32_WINNT=0x0501)
  target_link_options(orvanta_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# orvanta_layer(NAME SOURCES... [DEPENDS libs...]) defines one layer library orvanta_NAME.
function(orvanta_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(orvanta_${name} STATIC ${ARG_SOURCES})
  target_include_directories(orvanta_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(orvanta_${name} PUBLIC orvanta_options ${ARG_DEPENDS})
endfunction()
