# Sources of the catalogue core, the reading state and the speech interface
# (no wx), their tests, and the versilo-tool verbs over them.
set(VERSILO_CATALOGUE_SOURCES
  ${CMAKE_SOURCE_DIR}/catalogue/AnthologyTables.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/AuthorPage.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/GbkText.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/Introduction.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/PageFile.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/PageUrl.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/PoemCatalogue.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/PoemPage.cpp
  ${CMAKE_SOURCE_DIR}/catalogue/SpokenText.cpp
  ${CMAKE_SOURCE_DIR}/shell/ReadingState.cpp
)
set(VERSILO_CATALOGUE_TESTS
  ${CMAKE_SOURCE_DIR}/tests/catalogue/AuthorPageTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/catalogue/PageUrlTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/catalogue/PoemCatalogueTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/catalogue/PoemPageTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/catalogue/SpokenTextTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/shell/ReadingStateTest.cpp
)
set(VERSILO_CATALOGUE_TOOL_SOURCES
  ${CMAKE_SOURCE_DIR}/tools/versilo-tool/PageCommands.cpp
)

# The page verbs end to end, over the bundled anthology.
if(VERSILO_TESTS)
  add_test(NAME versilo_tool_page_commands
    COMMAND ${CMAKE_SOURCE_DIR}/tests/tools/page-commands.sh $<TARGET_FILE:versilo-tool> ${CMAKE_SOURCE_DIR}/anthology)
  set_tests_properties(versilo_tool_page_commands PROPERTIES LABELS core)
endif()
