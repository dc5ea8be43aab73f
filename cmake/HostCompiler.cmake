# This machine's own C++ compiler, for the small programs a cross build runs
# while it builds (the web page's title, the design as JSON) and to find
# what Debian installs beside it.
find_program(DD_HOST_CXX NAMES c++ g++ NO_CMAKE_FIND_ROOT_PATH REQUIRED
             DOC "This machine's C++ compiler")
