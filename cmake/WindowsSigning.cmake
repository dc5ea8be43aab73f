# Code signing of the Windows build. The certificate is given to the build,
# not to CMake: sign.sh reads DD_SIGN_PFX, DD_SIGN_PASSWORD and (optionally)
# DD_SIGN_TIMESTAMP_URL from the environment whenever it signs, so that no
# password lands in the cache.
#
# The stamp below holds what signs the files (the certificate file, its
# contents' hash, the time-stamp server); a build that signs differently from
# the last one changes it, and everything signed is made again.
if(CMAKE_SCRIPT_MODE_FILE)
  # cmake -DSTAMP=FILE -P WindowsSigning.cmake: rewrites the stamp when the
  # signing settings changed.
  set(settings "certificate: $ENV{DD_SIGN_PFX}\ntime-stamp server: $ENV{DD_SIGN_TIMESTAMP_URL}\n")
  if(NOT "$ENV{DD_SIGN_PFX}" STREQUAL "" AND EXISTS "$ENV{DD_SIGN_PFX}")
    file(SHA256 "$ENV{DD_SIGN_PFX}" hash)
    string(APPEND settings "certificate SHA-256: ${hash}\n")
  endif()
  set(old "")
  if(EXISTS "${STAMP}")
    file(READ "${STAMP}" old)
  endif()
  if(NOT old STREQUAL settings)
    file(WRITE "${STAMP}" "${settings}")
  endif()
  return()
endif()

set(sign_script ${PROJECT_SOURCE_DIR}/packaging/windows/sign.sh)
set(signing_stamp ${CMAKE_BINARY_DIR}/signing.stamp)
if(NOT EXISTS ${signing_stamp})
  file(WRITE ${signing_stamp} "")
endif()
add_custom_target(signing_settings
  COMMAND ${CMAKE_COMMAND} -DSTAMP=${signing_stamp} -P ${CMAKE_CURRENT_LIST_FILE}
  BYPRODUCTS ${signing_stamp} VERBATIM)
