# GoogleTest built from its sources with this build's compiler, for test
# programs that run elsewhere than this machine's (under Wine, under node),
# without threads (they are Windows' own, or none). Debian's googletest
# package keeps them under src/googletest beside the bin/ of this machine's
# own compiler.
include(${CMAKE_CURRENT_LIST_DIR}/HostCompiler.cmake)
get_filename_component(host_bin ${DD_HOST_CXX} DIRECTORY)
find_path(DD_GOOGLETEST_SOURCE googletest/CMakeLists.txt
          HINTS ${host_bin}/../src/googletest NO_CMAKE_FIND_ROOT_PATH REQUIRED
          DOC "GoogleTest's sources, to build for where the tests run")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${DD_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
