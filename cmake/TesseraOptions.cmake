# Compiler settings shared by every target of the project, through one interface target.
add_library(tessera_options INTERFACE)
target_compile_options(tessera_options INTERFACE -Wall -Wextra -Wpedantic)
if(TESSERA_WERROR)
  target_compile_options(tessera_options INTERFACE -Werror)
endif()
if(TESSERA_SANITIZE)
  set(_tessera_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(tessera_options INTERFACE ${_tessera_san})
  target_link_options(tessera_options INTERFACE ${_tessera_san})
  # GCC's flow analysis sees uninitialised storage in std::variant moves once the sanitizers
  # instrument them; the warning is false there and only there.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(tessera_options INTERFACE -Wno-maybe-uninitialized)
  endif()
  # Every component host calls an interface's first three slots as IUnknown's, whose function types
  # name IUnknown* where the interface's own name its pointer; that is the binary standard's layout,
  # and clang's function-type check would report each such call.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(tessera_options INTERFACE -fno-sanitize=function)
  endif()
endif()

# tessera_add_area(<target> SOURCES ... [LINKS ...]): one area of the library, a static archive of
# position-independent objects that the shared library takes whole. Tests link the area they test.
function(tessera_add_area target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(${target} PUBLIC ${ARG_LINKS} PRIVATE $<BUILD_INTERFACE:tessera_options>)
  # Hidden unless marked TESSERA_API: the shared library exports its public interface only.
  set_target_properties(${target} PROPERTIES C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  set_property(GLOBAL APPEND PROPERTY TESSERA_AREAS ${target})
endfunction()
