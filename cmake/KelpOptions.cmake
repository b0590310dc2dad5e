# Warning and sanitizer flags shared by every target of ours.
add_library(kelp_flags INTERFACE)
target_compile_options(kelp_flags INTERFACE -Wall -Wextra)
if(KELP_WERROR)
  target_compile_options(kelp_flags INTERFACE -Werror)
endif()
if(KELP_SANITIZE)
  target_compile_options(kelp_flags INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(kelp_flags INTERFACE -fsanitize=address,undefined)
endif()

# kelp_add_gtest(name SOURCES a.cpp b.cpp [LIBS x y])
# One GoogleTest program, registered test by test with ctest.
function(kelp_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kelp_core kelp_flags GTest::gtest GTest::gtest_main ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KELP_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
