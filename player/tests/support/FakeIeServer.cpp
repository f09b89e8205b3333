// Stand-ins for Internet Explorer's document windows.
#include "player/tests/support/FakeIeServer.h"

#include <ole2.h>

namespace playertest {

FakeDispatch* SetUpFakeIeServer(WNDPROC serverProc) {
  OleInitialize(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = serverProc;
  wc.lpszClassName = L"Internet Explorer_Server";
  RegisterClassW(&wc);
  FakeDispatch* document = FakeDispatch::Create(
      {{L"open", DISPATCH_METHOD, 0}, {L"write", DISPATCH_METHOD, 1}, {L"Close", DISPATCH_METHOD, 0}});
  document->extraInterface = kIidHtmlDocument;
  return document;
}

}  // namespace playertest
