# The maintainer and the changelog of the Debian package (desktop/ and the
# changelog test include this file).

# nabrosa_find_maintainer(<var>): "Name <address>" of the person who makes the
# package: NABROSA_MAINTAINER when given, else DEBFULLNAME and DEBEMAIL as for
# Debian's own tools, else git's user.name and user.email; empty when none
# is known.
function(nabrosa_find_maintainer var)
  set(maintainer "${NABROSA_MAINTAINER}")
  if(NOT maintainer AND DEFINED ENV{DEBEMAIL} AND DEFINED ENV{DEBFULLNAME})
    set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  endif()
  if(NOT maintainer)
    find_package(Git QUIET)
    if(GIT_FOUND)
      foreach(key name email)
        execute_process(COMMAND ${GIT_EXECUTABLE} config user.${key} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
          OUTPUT_VARIABLE git_${key} OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      endforeach()
      if(git_name AND git_email)
        set(maintainer "${git_name} <${git_email}>")
      endif()
    endif()
  endif()
  set(${var} "${maintainer}" PARENT_SCOPE)
endfunction()

# nabrosa_write_changelog(<file> <template> <maintainer>): the changelog made
# from its template at every configuration, with the version, the maintainer
# (a placeholder without one: ./package refuses to make a package then) and
# the date. The date of the first configuration stays, so a rebuild changes
# nothing; only a date in the changelog's own form is taken from the old file.
function(nabrosa_write_changelog file template maintainer)
  if(NOT maintainer)
    set(maintainer "Unknown maker <nobody@invalid>")
  endif()
  string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
  if(EXISTS ${file})
    file(STRINGS ${file} trailer REGEX "^ -- ")
    set(day "(Mon|Tue|Wed|Thu|Fri|Sat|Sun), [0-9][0-9] [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9]")
    if(trailer MATCHES "  (${day} [0-9][0-9]:[0-9][0-9]:[0-9][0-9] [+-][0-9][0-9][0-9][0-9])$")
      set(date "${CMAKE_MATCH_1}")
    endif()
  endif()
  file(READ ${template} text)
  string(REPLACE "@PROJECT_VERSION@" "${PROJECT_VERSION}" text "${text}")
  string(REPLACE "@NABROSA_MAINTAINER@" "${maintainer}" text "${text}")
  string(REPLACE "@NABROSA_RELEASE_DATE@" "${date}" text "${text}")
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}" @ONLY)
endfunction()
