// Stand-ins for Internet Explorer's document windows: the window class
// "Internet Explorer_Server" with a test's procedure, and a document that
// answers as an HTML document does to the page writer.
#pragma once
#include <windows.h>

#include "player/tests/support/FakeDispatch.h"

namespace playertest {

constexpr IID kIidHtmlDocument = {0x626FC520, 0xA41E, 0x11CF, {0xA7, 0x31, 0x00, 0xA0, 0xC9, 0x08, 0x26, 0x37}};

// Initialises OLE on this thread, registers the class with the procedure
// (which hands out the document on "WM_HTML_GETOBJECT") and makes a document
// with open, write and Close; the caller holds its one reference.
FakeDispatch* SetUpFakeIeServer(WNDPROC serverProc);

}  // namespace playertest
