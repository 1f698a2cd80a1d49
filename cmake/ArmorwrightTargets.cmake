# Shared compile settings for every target of the project.

function(aw_apply_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(AW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(AW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Fuzzing (clang): every library instrumented for libFuzzer, ASan and UBSan; only the fuzz
# executables link the libFuzzer driver (fuzz/CMakeLists.txt).
if(AW_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# Adds a static library from the listed sources: aw_library(name source... LINKS library...).
function(aw_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  aw_apply_warnings(${name})
endfunction()

# A test that runs longer than this is taken for a hang; a slow test is split into cases.
set(AW_TEST_TIMEOUT 60)

# Adds one GoogleTest executable made of the SOURCES, with one ctest entry per test case (found
# when ctest runs, so the build runs no tests) under `label`; cross-built, one entry for all.
function(aw_gtest name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/GTestMain.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest)
  target_compile_definitions(${name} PRIVATE AW_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
                                             AW_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  aw_apply_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    # Each start under an emulator (Wine) is slow: one ctest entry runs the whole program.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600 LABELS ${ARG_LABEL})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${AW_TEST_TIMEOUT}
                                    LABELS ${ARG_LABEL})
  endif()
endfunction()
