# Helpers that keep every folder's CMakeLists.txt short and alike.

set(VLT_WARNINGS -Wall -Wextra -Wpedantic)

# vlt_add_library(<name> SOURCES ... [DEPS ...])
# A static library of our own; its headers are included as "folder/file.h" from src/.
function(vlt_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src" "${CMAKE_BINARY_DIR}/generated")
  target_compile_options(${name} PRIVATE ${VLT_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# vlt_add_gtest(<name> SOURCES ... [DEPS ...] [GUI])
# One test executable registered as one CTest test. GUI tests get a QApplication on the
# offscreen platform with a fixed font; the others a QCoreApplication.
function(vlt_add_gtest name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VLT_WARNINGS})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE vlt_gui_test_main ${ARG_DEPS})
  else()
    target_link_libraries(${name} PRIVATE vlt_test_main ${ARG_DEPS})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VLT_TEST_DATA_DIR=${PROJECT_SOURCE_DIR}/tests/data"
    TIMEOUT 300)
endfunction()

# vlt_add_benchmark(<name> SOURCES ... [DEPS ...])
function(vlt_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VLT_WARNINGS})
  target_link_libraries(${name} PRIVATE benchmark::benchmark_main ${ARG_DEPS})
endfunction()

# Adds each listed folder that holds a CMakeLists.txt, so folders can arrive one by one.
function(vlt_add_existing_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
