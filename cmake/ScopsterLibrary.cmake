# One static library per subsystem folder; every .cpp in the folder belongs to it,
# so adding a file needs no CMake edit. A file named *_win.cpp is the Windows
# side of a service and *_posix.cpp (or *_posix_qt.cpp) the other side
# (likewise *_win_test.cpp and *_posix_test.cpp); each build takes its own.
function(scopster_platform_sources out)
  set(kept)
  foreach(source ${ARGN})
    get_filename_component(stem ${source} NAME_WE)
    # A POSIX service's Qt side (name_posix_qt.cpp) is POSIX's too.
    if(WIN32 AND stem MATCHES "_posix(_qt|_test)?$")
      continue()
    endif()
    if(NOT WIN32 AND stem MATCHES "_win(_test)?$")
      continue()
    endif()
    # On Windows a service of platform/ itself replaces its Qt stand-in of platform/qt.
    string(REGEX REPLACE "_qt$" "_win" windows_stem "${stem}")
    if(WIN32 AND stem MATCHES "_qt$" AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/../${windows_stem}.cpp)
      continue()
    endif()
    list(APPEND kept ${source})
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

function(scopster_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  scopster_platform_sources(sources ${sources})
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# One test program per subsystem folder under tests/, run through CTest. Files
# listed after POSIX_ONLY test what only a POSIX system has (permissions,
# special files, glibc locales) and are left out of the Windows build; those
# after QT_ONLY need the desktop libraries and are left out without Qt.
function(scopster_test name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;POSIX_ONLY;QT_ONLY" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  scopster_platform_sources(sources ${sources})
  set(left_out)
  if(WIN32)
    list(APPEND left_out ${ARG_POSIX_ONLY})
  endif()
  if(NOT SCOPSTER_QT)
    list(APPEND left_out ${ARG_QT_ONLY})
  endif()
  if(left_out)
    list(TRANSFORM left_out PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    list(REMOVE_ITEM sources ${left_out})
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} test_support GTest::gtest GTest::gtest_main)
  scopster_add_tests(${name})
endfunction()

# Each test case is its own CTest test. Under Wine, starting a program costs far
# more than a test case, so a cross-built test program runs whole, as one test.
function(scopster_add_tests name)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${name}."
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()

# The icon, version information and manifest of a Windows executable, from
# resources/ (scopster.rc.in, made for each program).
function(scopster_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  set(SCOPSTER_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
  set(SCOPSTER_DESCRIPTION ${description})
  set(SCOPSTER_EXE ${target})
  configure_file(${PROJECT_SOURCE_DIR}/resources/scopster.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
