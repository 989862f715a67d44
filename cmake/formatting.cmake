# The sources keep one layout: clang-format's, as .clang-format sets it.
find_program(CLANG_FORMAT clang-format REQUIRED)
file(GLOB_RECURSE formatted_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/qt/*.cpp ${PROJECT_SOURCE_DIR}/qt/*.h
  ${PROJECT_SOURCE_DIR}/engine/*.cpp ${PROJECT_SOURCE_DIR}/engine/*.h ${PROJECT_SOURCE_DIR}/web/*.cpp
  ${PROJECT_SOURCE_DIR}/win32/*.cpp ${PROJECT_SOURCE_DIR}/win32/*.h
  ${PROJECT_SOURCE_DIR}/scoring/*.cpp ${PROJECT_SOURCE_DIR}/scoring/*.h
  ${PROJECT_SOURCE_DIR}/distribution/*.cpp ${PROJECT_SOURCE_DIR}/distribution/*.h
  ${PROJECT_SOURCE_DIR}/fuzz/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.cpp)
add_test(NAME formatting COMMAND ${CLANG_FORMAT} --dry-run --Werror ${formatted_sources})
set_tests_properties(formatting PROPERTIES TIMEOUT 60)
