# One static library per source folder, made of every .cpp in it (RECURSE:
# and in the folders below it, for the game, whose concepts sit in folders
# by kind).
# Static libraries may depend on each other in a cycle (the engine's
# systems call one another), which CMake resolves at link time.
function(corvidale_library name)
  cmake_parse_arguments(ARG "RECURSE" "" "DEPS;EXCLUDE" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  # A symbol may travel the cycle more than twice (a test calls physics, which
  # calls core, which registers graphics, which needs core's maths): repeat
  # the group often enough for every chain to resolve.
  set_property(TARGET ${name} PROPERTY LINK_INTERFACE_MULTIPLICITY 4)
endfunction()
