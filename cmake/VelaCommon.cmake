# Compiler settings shared by every target.

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # No dependency on the mingw runtime DLLs: the shipped DLL must load on a bare Windows.
  set(VELA_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
  add_link_options(${VELA_STATIC_RUNTIME})
endif()

if(VELA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments every library for coverage, so the fuzzers are guided through
# the code under test and not only through their own entry points.
if(VELA_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# The player and NetSDK threads reach the plug-in; ThreadSanitizer checks what they share with
# the UI thread. It cannot be combined with AddressSanitizer.
if(VELA_TSAN)
  if(VELA_SANITIZE)
    message(FATAL_ERROR "VELA_TSAN and VELA_SANITIZE exclude each other")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# Line and branch counts for scripts/coverage.sh; unoptimised, so that lines map to code.
if(VELA_COVERAGE)
  add_compile_options(--coverage -O0)
  add_link_options(--coverage)
endif()

# vela_library(NAME SOURCES... [LIBS ...]): a static library of one layer. The folder is the
# include root, so code names headers as "platform/kernel.h", "device/records.h", ...
function(vela_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()
