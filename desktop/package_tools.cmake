# Read by cpack before it makes the package. Without dpkg-shlibdeps (dpkg-dev)
# cpack would quietly make a Debian package that names none of the Qt
# libraries the program links, and without file it cannot find the program
# among the installed files: stop with a clear message instead.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(tool IN ITEMS dpkg-shlibdeps file)
    unset(nabrosa_tool CACHE)
    find_program(nabrosa_tool ${tool})
    if(NOT nabrosa_tool)
      message(FATAL_ERROR "Making the Debian package needs ${tool} (packages dpkg-dev and file); ./package installs them.")
    endif()
  endforeach()
endif()
