#include "catalogue/AnthologyTables.h"

namespace versilo::anthology_tables {
namespace {

std::vector<FieldSpec> CharacterFields(int titleWidth, int authorWidth, int volumeWidth) {
  return {{"NO", 'C', kEntryWidth},    {"VOLUME", 'C', volumeWidth}, {"SEQ", 'C', kSequenceWidth},
          {"GENRE", 'C', kGenreWidth}, {"AUTHOR", 'C', authorWidth}, {"TITLE", 'C', titleWidth}};
}

}  // namespace

std::vector<FieldSpec> PoemTableFields(int titleWidth, int authorWidth, int volumeWidth) {
  auto fields = CharacterFields(titleWidth, authorWidth, volumeWidth);
  for (const char* memo : {"POEM", "NOTES", "TRANS", "COMMENT", "ENGLISH"}) fields.push_back({memo, 'M', 4});
  return fields;
}

std::vector<FieldSpec> ByAuthorTableFields() {
  return CharacterFields(kTitleWidth, kAuthorWidth, kVolumeWidth);
}

std::vector<FieldSpec> AuthorTableFields(int nameWidth) {
  return {{"NAME", 'C', nameWidth}, {"ANCHOR", 'C', kAnchorWidth}, {"BIO", 'M', 4}};
}

std::vector<FieldSpec> PinyinTableFields() {
  return {{"NO", 'C', kEntryWidth}, {"VOLUME", 'C', kVolumeWidth}, {"PINYIN", 'M', 4}};
}

}  // namespace versilo::anthology_tables
