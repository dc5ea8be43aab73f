# Who publishes the program, and where: the one place a school or the
# project sets its own address. DD_HOME_URL is the home page (make passes it
# as HOME_URL=...); the window's caption, the page's title, the .deb's
# Homepage, the AppStream metadata, the installers' support link and the site
# (make site) take it from here. The contact and the app id are derived from
# its host unless given themselves.
set(dd_default_home_url "https://www.example.org/")
set(DD_HOME_URL "" CACHE STRING "The publisher's home address, an http(s) URL (default ${dd_default_home_url})")
set(DD_CONTACT "" CACHE STRING "The .deb's maintainer, \"Name <address>\" (default: derived from DD_HOME_URL)")
set(DD_APP_ID "" CACHE STRING "The reverse-DNS id of the desktop entry and metadata (default: derived from DD_HOME_URL)")

set(DD_HOME "${DD_HOME_URL}")
if(DD_HOME STREQUAL "")
  set(DD_HOME ${dd_default_home_url})
endif()
# An address a browser opens and every file can hold as it is: no quote,
# backslash, blank or angle bracket.
if(NOT DD_HOME MATCHES "^https?://([A-Za-z0-9.-]+)(:[0-9]+)?(/[A-Za-z0-9._~%/-]*)?$")
  message(FATAL_ERROR "The home address (make's HOME_URL, DD_HOME_URL) must be an http:// or "
                      "https:// address such as https://school.example/informatics/digits/, "
                      "not '${DD_HOME}'")
endif()
set(dd_host ${CMAKE_MATCH_1})
# Always a folder's address, so that the site's files and app/ join it.
if(NOT DD_HOME MATCHES "/$")
  string(APPEND DD_HOME "/")
endif()
# The caption shows the address as people write it: no scheme, no final /.
string(REGEX REPLACE "^https?://" "" DD_HOME_ADDRESS ${DD_HOME})
string(REGEX REPLACE "/$" "" DD_HOME_ADDRESS ${DD_HOME_ADDRESS})

# The domain the contact and app id come from: the host without "www.", or
# the placeholder's for an address by number (a test server's).
string(REGEX REPLACE "^www\\." "" dd_domain ${dd_host})
string(TOLOWER ${dd_domain} dd_domain)
if(dd_domain MATCHES "^[0-9.]+$" OR NOT dd_domain MATCHES "\\.")
  set(dd_domain example.org)
endif()
# Only a contact given is shown to users (the site); the .deb needs one
# whatever, and gets a made-up one of the domain's.
set(DD_MAINTAINER "${DD_CONTACT}")
set(DD_CONTACT_GIVEN 1)
if(DD_MAINTAINER STREQUAL "")
  set(DD_MAINTAINER "The distinct-digits developers <dev@${dd_domain}>")
  set(DD_CONTACT_GIVEN 0)
endif()
set(DD_ID "${DD_APP_ID}")
if(DD_ID STREQUAL "")
  # school.example.bg gives bg.example.school.DistinctDigits; AppStream wants
  # no hyphen and no part that starts with a digit.
  string(REPLACE "." ";" dd_parts ${dd_domain})
  list(REVERSE dd_parts)
  list(TRANSFORM dd_parts REPLACE "-" "_")
  list(TRANSFORM dd_parts REPLACE "^([0-9])" "_\\1")
  list(JOIN dd_parts "." DD_ID)
  string(APPEND DD_ID ".DistinctDigits")
endif()
if(DD_MAINTAINER MATCHES "[\"\\]" OR NOT DD_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<> ]+>$")
  message(FATAL_ERROR "The contact (make's CONTACT, DD_CONTACT) must be a name and an address, such as "
                      "\"The distinct-digits developers <dev@example.org>\", not '${DD_MAINTAINER}'")
endif()
if(NOT DD_ID MATCHES "^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)+$")
  message(FATAL_ERROR "DD_APP_ID must be a reverse-DNS id such as org.example.DistinctDigits, "
                      "not '${DD_ID}'")
endif()
message(STATUS "Published at ${DD_HOME} as ${DD_ID}")
# Said of a release (packaging/release.sh), for whoever makes it again.
if(DD_CONTACT_GIVEN)
  set(dd_contact_said "${DD_MAINTAINER}")
else()
  set(dd_contact_said "none given")
endif()
file(WRITE ${PROJECT_BINARY_DIR}/publisher.txt
     "publisher's address (HOME_URL): ${DD_HOME}\npublisher's contact (CONTACT): ${dd_contact_said}\napp id: ${DD_ID}\n")

# What the C++ sources take: the address in the caption, the app id.
configure_file(${PROJECT_SOURCE_DIR}/window/publisher.h.in
               ${PROJECT_BINARY_DIR}/generated/window/publisher.h @ONLY)
set(DD_GENERATED_INCLUDE ${PROJECT_BINARY_DIR}/generated)
