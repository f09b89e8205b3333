// The page that embeds the QVOD player control for a link.
#pragma once
#include <string>

namespace player {

// True when the address holds "qvod://" anywhere (case-sensitive).
bool IsQvodLink(const std::string& address);

// The page template with its placeholder "{PlayData}".
const std::string& QvodPageTemplate();

// &, <, >, " and ' as entities, so a text stays inside an attribute value.
std::string HtmlEscape(const std::string& text);

// The template with every placeholder replaced by the HTML-escaped link.
std::string QvodPageHtml(const std::string& link);

}  // namespace player
