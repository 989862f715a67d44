# Every C++ source keeps one layout: clang-format's, as .clang-format sets it.
find_program(CLANG_FORMAT clang-format REQUIRED)
set(formatted_folders bench distribution engine fuzz match qt scoring testsupport tests tools web win32)
set(formatted_sources)
foreach(folder IN LISTS formatted_folders)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
    ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND formatted_sources ${sources})
endforeach()
add_test(NAME formatting COMMAND ${CLANG_FORMAT} --dry-run --Werror ${formatted_sources})
set_tests_properties(formatting PROPERTIES TIMEOUT 60)
