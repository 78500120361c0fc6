# viremo_module(NAME DEPS dep...)
# A static library viremo_NAME from every .cpp in the calling folder (not its
# sub-folders), with src/ on the include path.
function(viremo_module name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(viremo_${name} STATIC ${sources})
    target_include_directories(viremo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(viremo_${name} PUBLIC ${ARG_DEPS})
  else()
    # A module still being written: headers only for now.
    add_library(viremo_${name} INTERFACE)
    target_include_directories(viremo_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(viremo_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# viremo_test(NAME DEPS dep...)
# A GoogleTest executable test_NAME from every .cpp in the calling folder,
# registered with CTest. Tests run with the source tree's resources.
function(viremo_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    VIREMO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VIREMO_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
