#pragma once
// The file: URLs by which the HTML view is sent to the generated pages:
// "file://" + the working directory, percent-encoded, + "/" + the page, and
// "#" + an anchor code for one poet's entry. Built afresh for every URL, as
// the working directory is asked each time. The result is ASCII.
#include <optional>
#include <string>
#include <string_view>

namespace versilo {

// The URL of a page in the given absolute directory.
std::string PageUrlIn(std::string_view directory, std::string_view page, std::string_view anchor = {});

// The URL of a page in the working directory.
std::string PageUrl(std::string_view page, std::string_view anchor = {});

// The anchor code of a URL, decoded: the text after its first "#". None when
// there is no "#" or the URL starts with it.
std::optional<std::string> AnchorOfPageUrl(std::string_view url);

}  // namespace versilo
