# The web build's toolchain: emscripten's own, from wherever its em-config
# (Debian's emscripten package) says emscripten is installed.
find_program(DD_EM_CONFIG em-config REQUIRED)
execute_process(COMMAND ${DD_EM_CONFIG} EMSCRIPTEN_ROOT OUTPUT_VARIABLE emscripten_root
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
