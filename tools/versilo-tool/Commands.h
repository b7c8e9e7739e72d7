#pragma once
// The verbs of versilo-tool. Each takes the arguments after the verb and
// returns the process's exit status: 0 on success, 1 on failure (with the
// reason already written to standard error).
#include <string>
#include <vector>

namespace versilo::tool {

using Args = std::vector<std::string>;

int Dump(const Args& args);
int Scramble(const Args& args);
int Delete(const Args& args);
int Pack(const Args& args);
int BuildAnthology(const Args& args);
int PoemPage(const Args& args);
int AuthorPage(const Args& args);
int SpeechText(const Args& args);

// Writes "versilo-tool: " + text to standard error and returns 1.
int Fail(const std::string& text);

}  // namespace versilo::tool
