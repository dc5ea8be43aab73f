# Warnings, sanitizers, hardening and link-time optimisation for every target.

add_compile_options(-Wall -Wextra)
if(DD_WERROR)
  add_compile_options(-Werror)
endif()
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
if(DD_SANITIZE)
  add_compile_options(${sanitizers})
  add_link_options(${sanitizers})
elseif(DD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link ${sanitizers})
  add_link_options(${sanitizers})
endif()
# The usual Debian hardening for a program that is installed system-wide.
add_compile_options(-fstack-protector-strong $<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro,-z,now)

# Link-time optimisation lets the scan inline the small control operations.
include(CheckIPOSupported)
check_ipo_supported(RESULT ipo_supported OUTPUT ipo_output LANGUAGES CXX)
if(ipo_supported AND CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT DD_SANITIZE AND NOT DD_FUZZ)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
endif()
