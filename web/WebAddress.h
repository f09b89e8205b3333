// Which outside address may be handed to the shell or a browser box (web addresses only), and which may go out in a request.
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

// Whether a request may be made for the address as it is sent: not when it
// holds a control byte, as a line break in it would end the request line or
// the Referer header and start a header line of its own. Every request
// (RunWebRequest, DownloadToFile, QueryContentLength) asks this first.
bool IsRequestableAddress(const std::string& address);

}  // namespace web
