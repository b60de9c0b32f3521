# The plain second reading of the analysis, for the engine tests and the
# fuzzer; included from both, since the fuzz build leaves tests/ out.
if(NOT TARGET plain_reading)
  add_library(plain_reading STATIC ${CMAKE_CURRENT_LIST_DIR}/plain_reading.cpp
                                   ${CMAKE_CURRENT_LIST_DIR}/plain_reading.h)
  target_include_directories(plain_reading PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(plain_reading PUBLIC utilities)
endif()
