// Replacing the matches of a regular expression in a text (Boost.Regex, Perl syntax).
#include "main/RegexReplace.h"

#include <boost/regex.hpp>
#include <stdexcept>

std::string RegexReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement,
                            bool all) {
  try {
    const boost::regex expression(pattern, boost::regex::perl);
    boost::match_flag_type flags = boost::format_all;
    if (!all) flags |= boost::format_first_only;
    return boost::regex_replace(text, expression, replacement, flags);
  } catch (const std::runtime_error&) {  // bad pattern, or a match too complex to finish
    return text;
  }
}
