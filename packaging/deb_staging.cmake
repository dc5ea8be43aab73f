# Run by CPack on the files it has installed for the .deb, before it packs
# them: the folders CPack made itself get the usual modes whatever the
# umask, and strip-nondeterminism takes out of the files what would differ
# between two builds of one commit (times inside compressed files and
# images), as Debian's own packages have it done.
file(GLOB_RECURSE staged LIST_DIRECTORIES TRUE "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(path ${staged})
  if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
file(GLOB_RECURSE normalised "${CPACK_TEMPORARY_DIRECTORY}/*.gz" "${CPACK_TEMPORARY_DIRECTORY}/*.png")
find_program(STRIP_NONDETERMINISM strip-nondeterminism REQUIRED)
if(normalised)
  set(epoch)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch --timestamp $ENV{SOURCE_DATE_EPOCH})
  endif()
  execute_process(COMMAND ${STRIP_NONDETERMINISM} ${epoch} ${normalised}
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
