# Shared compile settings of the project's own targets.

# Text inside the program is Shift-JIS: sources are UTF-8, narrow literals become CP932 bytes.
set(VEMU_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)

if(VEMU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# vemu_apply_flags(<target> [FORBID_PLATFORM_CALLS] [UTF8_TEXT])
# UTF8_TEXT is for platform/, whose texts are UTF-8 by contract and which needs <chrono>
# (GCC 12's C++20 <chrono> cannot be compiled for CP932).
# Warnings, the execution character set and, for code outside platform/, the header that
# turns direct calls of the C runtime's rand, time and fopen into compile errors.
function(vemu_apply_flags target)
  cmake_parse_arguments(ARG "FORBID_PLATFORM_CALLS;UTF8_TEXT" "" "" ${ARGN})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ARG_UTF8_TEXT)
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8)
  else()
    target_compile_options(${target} PRIVATE ${VEMU_CHARSET_FLAGS})
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_FORBID_PLATFORM_CALLS)
    target_compile_options(${target} PRIVATE -include ${PROJECT_SOURCE_DIR}/engine/common/forbidden.h)
  endif()
endfunction()

# vemu_library(<name> <folder>... [DEPENDS libs...])
# A static library of every .cpp under the folders (new files are picked up at build time).
function(vemu_library name)
  cmake_parse_arguments(ARG "FORBID_PLATFORM_CALLS;UTF8_TEXT" "" "FOLDERS;DEPENDS;EXCLUDE" ${ARGN})
  set(sources)
  foreach(folder ${ARG_FOLDERS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${folder}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  foreach(pattern ${ARG_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()
  if(NOT sources)
    # A folder whose code is still to come: an empty library keeps the link lines stable.
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${stub} "")
    set(sources ${stub})
  endif()
  add_library(${name} STATIC ${sources})
  set(flags)
  if(ARG_FORBID_PLATFORM_CALLS)
    list(APPEND flags FORBID_PLATFORM_CALLS)
  endif()
  if(ARG_UTF8_TEXT)
    list(APPEND flags UTF8_TEXT)
  endif()
  vemu_apply_flags(${name} ${flags})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# vemu_wait_for_assets(<target> <asset targets>...)
# Builds the target after those asset targets that this configuration has.
function(vemu_wait_for_assets target)
  foreach(assets ${ARGN})
    if(TARGET ${assets})
      add_dependencies(${target} ${assets})
    endif()
  endforeach()
endfunction()

# vemu_test(<name> FOLDER <folder> DEPENDS libs...)
# One GoogleTest executable per folder of tests/.
function(vemu_test name)
  cmake_parse_arguments(ARG "" "FOLDER;TIMEOUT" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${ARG_FOLDER}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  vemu_apply_flags(${name})
  target_compile_definitions(${name} PRIVATE
    VEMU_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
    VEMU_GAME_DIR="${VEMU_GAME_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} vemu_test_support GTest::gtest_main GTest::gtest GTest::gmock)
  # Parameterised cases are named by their generator; their values would only add bytes.
  # A long test gets its own time limit, and a high cost so that ctest starts it first and the
  # short ones run beside it.
  set(timing)
  if(ARG_TIMEOUT)
    set(timing TIMEOUT ${ARG_TIMEOUT} COST 10000)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ENVIRONMENT "VEMU_GAME_DIR=${VEMU_GAME_DIR}" ${timing})
endfunction()
