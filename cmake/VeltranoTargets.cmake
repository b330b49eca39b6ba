# Helpers that keep every folder's CMakeLists.txt short and alike.

set(VLT_WARNINGS -Wall -Wextra -Wpedantic)

# Our own libraries (vlt_*) are linked only once they exist, so folders can land in any
# order; third-party targets are linked as given.
function(vlt_resolve_deps out)
  set(resolved "")
  foreach(dep ${ARGN})
    if(dep MATCHES "^vlt_")
      list(APPEND resolved "$<TARGET_NAME_IF_EXISTS:${dep}>")
    else()
      list(APPEND resolved "${dep}")
    endif()
  endforeach()
  set(${out} "${resolved}" PARENT_SCOPE)
endfunction()

# vlt_add_library(<name> SOURCES ... [DEPS ...])
# A static library of our own; its headers are included as "folder/file.h" from src/.
function(vlt_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  vlt_resolve_deps(deps ${ARG_DEPS})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src" "${CMAKE_BINARY_DIR}/generated")
  target_compile_options(${name} PRIVATE ${VLT_WARNINGS})
  target_link_libraries(${name} PUBLIC ${deps})
endfunction()

# vlt_add_folder_library(<name> [DEPS ...])
# Every .cpp/.h of the calling folder, so adding a file needs no edit here. A folder
# with headers only yields an interface library.
function(vlt_add_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  if(sources)
    vlt_add_library(${name} SOURCES ${sources} ${headers} DEPS ${ARG_DEPS})
  else()
    vlt_resolve_deps(deps ${ARG_DEPS})
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src" "${CMAKE_BINARY_DIR}/generated")
    target_link_libraries(${name} INTERFACE ${deps})
  endif()
endfunction()

# vlt_add_test_environment(<test>)
# The environment every test runs in: headless Qt, the test data, and in the sanitizer
# build the sanitizers' options.
function(vlt_add_test_environment name)
  set(environment "QT_QPA_PLATFORM=offscreen" "VLT_TEST_DATA_DIR=${PROJECT_SOURCE_DIR}/tests/data"
    ${VLT_SANITIZER_TEST_ENVIRONMENT})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 300)
endfunction()

# vlt_add_gtest(<name> SOURCES ... [DEPS ...] [GUI] [NOT_SANITIZED])
# One test executable registered as one CTest test. GUI tests get a QApplication on the
# offscreen platform with a fixed font; the others a QCoreApplication. NOT_SANITIZED
# tests (those that crash on purpose and catch the crash themselves) are built but
# reported as disabled in the sanitizer build, whose own handlers would take the crash.
function(vlt_add_gtest name)
  cmake_parse_arguments(ARG "GUI;NOT_SANITIZED" "" "SOURCES;DEPS" ${ARGN})
  vlt_resolve_deps(deps ${ARG_DEPS})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VLT_WARNINGS})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE vlt_gui_test_main ${deps})
  else()
    target_link_libraries(${name} PRIVATE vlt_test_main ${deps})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  vlt_add_test_environment(${name})
  if(ARG_NOT_SANITIZED AND VLT_SANITIZE)
    set_tests_properties(${name} PROPERTIES DISABLED TRUE)
  endif()
endfunction()

# vlt_add_folder_tests(<name> [GUI] [NOT_SANITIZED] [DEPS ...])
# One test executable from every *_test.cpp of the calling folder (none: nothing).
function(vlt_add_folder_tests name)
  cmake_parse_arguments(ARG "GUI;NOT_SANITIZED" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp")
  file(GLOB helpers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*_support.cpp")
  if(NOT sources)
    return()
  endif()
  set(flags "")
  if(ARG_GUI)
    list(APPEND flags GUI)
  endif()
  if(ARG_NOT_SANITIZED)
    list(APPEND flags NOT_SANITIZED)
  endif()
  vlt_add_gtest(${name} ${flags} SOURCES ${sources} ${helpers} DEPS ${ARG_DEPS})
endfunction()

# vlt_add_benchmark(<name> SOURCES ... [DEPS ...])
function(vlt_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  vlt_resolve_deps(deps ${ARG_DEPS})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${VLT_WARNINGS})
  target_link_libraries(${name} PRIVATE benchmark::benchmark_main ${deps})
endfunction()

# Adds each listed folder that holds a CMakeLists.txt, so folders can arrive one by one.
function(vlt_add_existing_subdirectories)
  foreach(dir ${ARGN})
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# vlt_generate_protobuf_c(<out_var> PROTO <path relative to ROOT> ROOT <folder>)
# Runs protoc-c at build time; the C code lands in generated/ under the same relative
# path, so it is included as "folder/name.pb-c.h".
function(vlt_generate_protobuf_c out_var)
  cmake_parse_arguments(ARG "" "PROTO;ROOT" "" ${ARGN})
  find_program(VLT_PROTOC_C protoc-c REQUIRED)
  string(REGEX REPLACE "\\.proto$" "" stem "${ARG_PROTO}")
  set(generated_dir "${CMAKE_BINARY_DIR}/generated")
  set(outputs "${generated_dir}/${stem}.pb-c.c" "${generated_dir}/${stem}.pb-c.h")
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${generated_dir}"
    COMMAND "${VLT_PROTOC_C}" "--c_out=${generated_dir}" "--proto_path=${ARG_ROOT}" "${ARG_ROOT}/${ARG_PROTO}"
    DEPENDS "${ARG_ROOT}/${ARG_PROTO}"
    COMMENT "protoc-c ${ARG_PROTO}"
    VERBATIM)
  set_source_files_properties(${outputs} PROPERTIES GENERATED TRUE)
  set(${out_var} ${outputs} PARENT_SCOPE)
endfunction()
