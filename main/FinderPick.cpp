// What the link finder takes from a page: the page's address and title, or those of the link under the pointer.
#include "main/FinderPick.h"

#include <algorithm>

#include "web/TextHelpers.h"

FinderPick PickFromPage(const std::string& documentUrl, const std::string& documentTitle,
                        const std::string& elementHtml) {
  // Quotes are single bytes that never occur inside a double-byte character.
  std::string html = elementHtml;
  html.erase(std::remove(html.begin(), html.end(), '"'), html.end());
  html.erase(std::remove(html.begin(), html.end(), '\''), html.end());
  if (web::GbkFind(html, "href") == std::string::npos || web::GbkFind(html, "title") == std::string::npos)
    return {documentUrl, documentTitle};
  return {web::TextBetween(html, "href=", " "), web::TextBetween(html, "title=", " ")};
}
