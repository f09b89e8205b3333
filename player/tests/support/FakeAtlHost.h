// A control host for tests in place of atl.dll: a plain child window that
// "hosts" whatever object the test hands it.
#pragma once
#include <unknwn.h>

namespace playertest {

// The object that the next hosted control will be (null: no control can be created).
void SetHostedControl(IUnknown* object);

}  // namespace playertest
