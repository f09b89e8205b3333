// What the link finder takes from a page: the page's address and title, or those of the link under the pointer.
#pragma once
#include <string>

struct FinderPick {
  std::string address;  // for the address box
  std::string title;    // for the title box and the file names
};

// With the quotes removed from the element's HTML: when it holds both "href"
// and "title", the text after the first "href=" and after the first "title=",
// each up to the next blank (empty when no blank follows); otherwise the
// document's address and title.
FinderPick PickFromPage(const std::string& documentUrl, const std::string& documentTitle,
                        const std::string& elementHtml);
