#include "catalogue/SpokenText.h"

#include <cstdio>

#include "base/Gbk.h"
#include "catalogue/CatalogueMessages.h"

namespace versilo {
namespace {

namespace texts = catalogue_texts;

constexpr const char* kSection = "Speech";

bool IsOn(Profile& profile, const char* key, bool on) {
  return profile.GetInt(kSection, key, on ? 1 : 0) == 1;
}

void AppendIntroduction(std::vector<std::string>& out, const Introduction& intro) {
  out.push_back(VERSILO_GBK(texts::kSpokenTitleLine));
  out.push_back(VERSILO_GBK(texts::kCompilerCreditPrefix) + VERSILO_GBK(texts::kCompilerName) + " ");
  out.push_back(VERSILO_GBK(texts::kEditorCreditPrefix) + VERSILO_GBK(texts::kEditorName) + " ");
  out.push_back(intro.SpokenParagraphs());
}

void AppendPoem(std::vector<std::string>& out, const PoemCatalogue& c, int n, const SpeechItems& items) {
  char number[32];
  std::snprintf(number, sizeof number, texts::kSpokenNumberFormat, n);
  out.push_back(VERSILO_GBK(number));
  if (items.title) out.push_back(c.Title());
  if (items.author) out.push_back(VERSILO_GBK(texts::kSpokenAuthorPrefix) + c.Author());
  if (items.content) out.push_back(c.Content());
  if (items.notes) {
    out.push_back(VERSILO_GBK(texts::kSpokenNotesHead));
    out.push_back(c.Notes());
  }
  if (items.translation) {
    out.push_back(VERSILO_GBK(texts::kSpokenTranslationHead));
    out.push_back(c.Translation());
  }
  if (items.commentary) {
    out.push_back(VERSILO_GBK(texts::kSpokenCommentaryHead));
    out.push_back(c.Commentary());
  }
}

}  // namespace

SpeechItems SpeechItems::FromProfile(Profile& profile) {
  const SpeechItems defaults;
  SpeechItems items;
  items.title = IsOn(profile, "SpeechTitle", defaults.title);
  items.author = IsOn(profile, "SpeechAuthor", defaults.author);
  items.content = IsOn(profile, "SpeechContent", defaults.content);
  items.notes = IsOn(profile, "SpeechNote", defaults.notes);
  items.translation = IsOn(profile, "SpeechTranslate", defaults.translation);
  items.commentary = IsOn(profile, "SpeechComment", defaults.commentary);
  return items;
}

std::vector<std::string> SpokenTexts(const PoemCatalogue& catalogue, ShownNode shown, int itemData,
                                     const SpeechItems& items, const Introduction& intro) {
  std::vector<std::string> out;
  if (shown == ShownNode::Root) AppendIntroduction(out, intro);
  // Only a poem node's number belongs with the texts loaded last; after an
  // author or a help topic the number is the node's own and nothing is read.
  if (shown == ShownNode::Poem && itemData >= 1 && itemData <= catalogue.PoemCount() && catalogue.IsOpen())
    AppendPoem(out, catalogue, itemData, items);
  return out;
}

void SpeakCurrentPage(SpeechEngine* engine, const PoemCatalogue& catalogue, ShownNode shown, int itemData,
                      const SpeechItems& items, const Introduction& intro) {
  if (engine == nullptr) return;
  for (const std::string& text : SpokenTexts(catalogue, shown, itemData, items, intro))
    engine->Speak(GbkToUtf16(text));
}

}  // namespace versilo
