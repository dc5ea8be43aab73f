# Finds the first python3 in the path that imports what a build step or test
# needs from Debian (`modules`, as Python's import statement lists them, such
# as "olefile" or "fontTools.subset, selenium") into the cache variable
# `variable`: another python3 (a pyenv's, a virtual environment's) may come
# before Debian's without its modules.
function(dd_python_imports result python)
  execute_process(COMMAND ${python} -c "import ${dd_python_modules}"
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0)
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

macro(dd_find_system_python variable modules)
  set(dd_python_modules "${modules}")
  find_program(${variable} python3 VALIDATOR dd_python_imports NO_CMAKE_FIND_ROOT_PATH
               DOC "Python that imports ${modules}" REQUIRED)
endmacro()
