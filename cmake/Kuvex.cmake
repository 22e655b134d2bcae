# Every library is the set of sources in its folder, so adding a class means
# adding a header/source pair and nothing else.
function(kuvex_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _src MATCHES "\\.cpp")
    # A folder with no sources yet still takes part in the dependency graph.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# One test executable per folder; GUI tests get the Qt test main
# (offscreen platform), all tests run with TZ=Europe/Berlin.
function(kuvex_tests name)
  cmake_parse_arguments(ARG "GUI" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE kuvex_guitestmain ${ARG_DEPS})
  else()
    target_link_libraries(${name} PRIVATE kuvex_testmain ${ARG_DEPS})
  endif()
  target_compile_definitions(${name} PRIVATE
    KUVEX_BIN_DIR="${KUVEX_BIN_DIR}" KUVEX_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "TZ=Europe/Berlin;QT_QPA_PLATFORM=offscreen")
endfunction()
