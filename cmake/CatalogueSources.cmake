# Sources of the catalogue core, the reading state and the speech interface
# (no wx), their tests, and the versilo-tool verbs over them.
set(VERSILO_CATALOGUE_SOURCES)
set(VERSILO_CATALOGUE_TESTS)
set(VERSILO_CATALOGUE_TOOL_SOURCES)
