# Whether the test suite is built, said in the configure output: DOPUSK_BUILD_TESTS=AUTO
# (the default) builds it when GoogleTest is found, ON requires GoogleTest, OFF leaves it out.
# Sets DOPUSK_TESTS.
set(DOPUSK_BUILD_TESTS AUTO CACHE STRING "Build the test suite: AUTO (when GoogleTest is found), ON or OFF")
set_property(CACHE DOPUSK_BUILD_TESTS PROPERTY STRINGS AUTO ON OFF)

string(TOUPPER "${DOPUSK_BUILD_TESTS}" wanted)
if(wanted STREQUAL "AUTO")
  if(CMAKE_CROSSCOMPILING)
    # A cross build compiles GoogleTest from its sources (cmake/GoogleTestFromSource.cmake).
    set(DOPUSK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    if(EXISTS ${DOPUSK_GTEST_SOURCE}/CMakeLists.txt)
      set(GTest_FOUND TRUE)
    endif()
  else()
    find_package(GTest QUIET)
  endif()
  if(GTest_FOUND)
    set(DOPUSK_TESTS ON)
    message(STATUS "Tests: built, GoogleTest found (-DDOPUSK_BUILD_TESTS=OFF leaves them out)")
  else()
    set(DOPUSK_TESTS OFF)
    message(STATUS "Tests: not built, GoogleTest not found (Debian package libgtest-dev; "
                   "-DDOPUSK_BUILD_TESTS=ON requires it)")
  endif()
elseif(DOPUSK_BUILD_TESTS)
  set(DOPUSK_TESTS ON)
  message(STATUS "Tests: built, as asked (DOPUSK_BUILD_TESTS=${DOPUSK_BUILD_TESTS})")
else()
  set(DOPUSK_TESTS OFF)
  message(STATUS "Tests: not built, as asked (DOPUSK_BUILD_TESTS=${DOPUSK_BUILD_TESTS})")
endif()
unset(wanted)
