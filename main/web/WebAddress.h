// Which outside address may be handed to the shell or a browser box: web addresses only.
#pragma once
#include <string>

namespace web {

// The address to open for a text that came from outside (an update list, a
// list row, a reply): an address with the scheme "http://" or "https://"
// (any letter case) as it stands; one without a scheme with "http://" put in
// front. Empty, so that nothing is opened, for every other scheme ("file:",
// "javascript:", "about:", a drive letter), for a local or UNC path or one
// starting with a dot, for an address without a host, and for any address
// holding a control byte. Blanks around the text are dropped.
std::string OpenableWebAddress(const std::string& address);

}  // namespace web
