# Warnings, sanitizers, hardening and link-time optimisation for every target.

# C++ only: the Windows build also compiles a resource script with windres.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall$<SEMICOLON>-Wextra>)
if(DD_WERROR)
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Werror>)
endif()
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
if(DD_SANITIZE)
  add_compile_options(${sanitizers})
  add_link_options(${sanitizers})
elseif(DD_PLATFORM STREQUAL "fuzz")
  add_compile_options(-fsanitize=fuzzer-no-link ${sanitizers})
  add_link_options(${sanitizers})
endif()
# The usual Debian hardening for a program that is installed system-wide. A
# Windows .exe has no RELRO; it is marked for address-space randomisation
# (64-bit) and no-execute data instead, and the stack protector's runtime
# comes from MinGW-w64's libssp, linked in when the linker is told.
# WebAssembly keeps return addresses out of reach of the program's memory, so
# the web build has neither. What it needs is C++ exceptions, which
# emscripten leaves off unless asked: WebAssembly's own (every current
# browser has them), as emscripten's older ones made from JavaScript route
# every call that may need unwinding through JavaScript, which makes a
# compute of 1000..9000 in the page nearly three times slower and the page
# 13 KB larger. (WebKitGTK 2.50 misses some handlers of WebAssembly's own:
# docs/web.md.)
if(EMSCRIPTEN)
  add_compile_options(-fwasm-exceptions)
  add_link_options(-fwasm-exceptions)
  # Emscripten's linker runs its JavaScript optimiser under node, which needs
  # Debian's node modules (acorn) where the machine's node is not Debian's:
  # Debian keeps them in share/nodejs beside the bin/ of emscripten's commands.
  get_filename_component(emscripten_bin ${DD_EM_CONFIG} DIRECTORY)
  find_path(DD_NODE_MODULES acorn/package.json
            HINTS ${emscripten_bin}/../share/nodejs ${emscripten_bin}/../lib/nodejs
            NO_CMAKE_FIND_ROOT_PATH REQUIRED DOC "Where node finds emscripten's modules")
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${DD_NODE_MODULES})
else()
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fstack-protector-strong>
                      $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<CONFIG:Release>>:-D_FORTIFY_SOURCE=2>)
  if(WIN32)
    add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat,--high-entropy-va)
  else()
    add_link_options(-Wl,-z,relro,-z,now)
  endif()
endif()

# The same source gives the same program wherever it is built: no path of
# the source or build folder in what is compiled (the build folder is mapped
# first, as it may lie inside the source folder and the compilers take the
# last mapping that fits), and no time stamp in a Windows program's header.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()

# Link-time optimisation lets the scan inline the small control operations.
include(CheckIPOSupported)
check_ipo_supported(RESULT ipo_supported OUTPUT ipo_output LANGUAGES CXX)
# The web build needs none: emscripten's wasm-opt optimises the whole linked
# module, inlining across sources, in any case.
if(ipo_supported AND CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT DD_SANITIZE AND NOT DD_PLATFORM STREQUAL "fuzz"
   AND NOT EMSCRIPTEN)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
endif()
