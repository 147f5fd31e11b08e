# Each src/<area> is a plain C++ library (no Qt Widgets); the Qt windows of
# every area live in src/<area>/ui and form one library, because the windows
# call one another (the workbench opens the plot window, the WAV dialog calls
# back into the workbench).

function(marv_core_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# One GoogleTest executable per test folder, every case registered with CTest.
# GUI folders get a main that creates the Qt application (fonts, images,
# widgets), run on the offscreen platform.
function(marv_test_folder name dir)
  cmake_parse_arguments(T "GUI" "" "" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  if(T_GUI)
    file(GLOB support CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/support/*.cpp)
    add_executable(${name} ${sources} ${support})
    target_link_libraries(${name} PRIVATE ${T_UNPARSED_ARGUMENTS} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  else()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${T_UNPARSED_ARGUMENTS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    MARV_SOURCE_DIR="${PROJECT_SOURCE_DIR}" MARV_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
  # NO_PRETTY_VALUES: test names stay the case names, not dumps of the parameters.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
endfunction()
