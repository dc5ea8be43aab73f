# This machine's own C++ compiler, for the small programs a cross build runs
# while it builds (the design as JSON, a sample of conversions) and to find
# what Debian installs beside it.
find_program(DD_HOST_CXX NAMES c++ g++ NO_CMAKE_FIND_ROOT_PATH REQUIRED
             DOC "This machine's C++ compiler")

# dd_host_program(NAME SOURCES src... [DEFINES def...]): builds NAME from
# its sources with this machine's compiler, the project's sources and the
# generated headers on the include path, into the current binary folder;
# NAME_program then names the program, to run in a custom command.
function(dd_host_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEFINES")
  set(program ${CMAKE_CURRENT_BINARY_DIR}/${name})
  list(TRANSFORM arg_DEFINES PREPEND -D)
  add_custom_command(OUTPUT ${program}
    COMMAND ${DD_HOST_CXX} -std=c++20 -O2 ${arg_DEFINES} -I${PROJECT_SOURCE_DIR}
            -I${DD_GENERATED_INCLUDE} ${arg_SOURCES} -o ${program}
    DEPENDS ${arg_SOURCES} ${DD_GENERATED_INCLUDE}/window/publisher.h
            ${PROJECT_SOURCE_DIR}/window/form_design.h ${PROJECT_SOURCE_DIR}/window/presentation.h
    IMPLICIT_DEPENDS CXX ${arg_SOURCES}
    COMMENT "Building ${name} for this machine" VERBATIM)
  set(${name}_program ${program} PARENT_SCOPE)
endfunction()
