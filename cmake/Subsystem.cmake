# A library's include root: a build folder holding links to the headers of its source folder
# under their usual names ("engine/engine.h"), and nothing else. A library sees its own root
# and those of what it links, so an include from a folder it does not link fails to compile.
# The links follow the folder's files (a new header re-runs cmake through the glob).
function(menajer_include_root target folder)
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${folder})
  set(root ${CMAKE_BINARY_DIR}/include_roots/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${rel})
  file(GLOB files LIST_DIRECTORIES false CONFIGURE_DEPENDS ${folder}/*)
  list(FILTER files EXCLUDE REGEX "(\\.cpp|/CMakeLists\\.txt)$")
  foreach(file ${files})
    get_filename_component(name ${file} NAME)
    file(CREATE_LINK ${file} ${root}/${rel}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# One static library per subsystem folder; every .cpp in the folder belongs to it,
# so adding a file needs no CMake edit (re-run cmake if a new file is not seen).
function(menajer_subsystem name)
  cmake_parse_arguments(A "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${srcs})
  menajer_include_root(${name} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS} PRIVATE ${A_PRIVATE_DEPS})
endfunction()

# tests/<folder>/*_test.cpp become test_<folder> (label unit, no display);
# *_gl_test.cpp become test_<folder>_gl (label gl, run under Xvfb by scripts/test).
function(menajer_tests folder)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  file(GLOB gl CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_gl_test.cpp)
  file(GLOB helpers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_helpers.cpp)
  if("menajer_globals" IN_LIST A_LIBS)
    # The program's global log writes as the program starts: enter the test's folder first.
    list(APPEND helpers ${PROJECT_SOURCE_DIR}/tests/support/globals_folder.cpp)
  endif()
  set(unit ${all})
  if(gl)
    list(REMOVE_ITEM unit ${gl})
  endif()
  foreach(kind unit gl)
    if(NOT ${kind})
      continue()
    endif()
    if(kind STREQUAL "unit")
      set(exe test_${folder})
    else()
      set(exe test_${folder}_gl)
    endif()
    add_executable(${exe} ${${kind}} ${helpers})
    set_target_properties(${exe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${exe} PRIVATE ${A_LIBS} test_main)
    target_compile_definitions(${exe} PRIVATE
      MENAJER_RUN_DIR="${MENAJER_RUN_DIR}"
      MENAJER_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
      MENAJER_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${exe} COMMAND ${exe}) # it works in a temporary folder of its own
    set_tests_properties(${exe} PROPERTIES LABELS ${kind} TIMEOUT 600)
    if(kind STREQUAL "gl")
      # Tests with windows share one X display and its keyboard focus: one at a time.
      set_tests_properties(${exe} PROPERTIES RESOURCE_LOCK display)
    endif()
  endforeach()
endfunction()
