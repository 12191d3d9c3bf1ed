#pragma once

namespace tintwatch {

// The toolkit's accessibility bridge connects to the session bus at the
// first window shown, and waits for it there. A bus that does not answer, or
// none at all (where libdbus would start one for the display), would hold
// the clock's first frame and every tick after it. The bus is asked in the
// background from the start of the program, so that knowing costs nothing.

// At the very start, before the toolkit: the bus is asked on a thread of its own.
void StartSessionBusCheck();

// Before the first window: where the bus did not answer, the bridge is made
// at once without it (and stays without it: no assistive technology can
// reach the clock through a bus that does not answer). Where it answers,
// nothing is done, and the bridge connects as it always does.
void KeepAccessibilityOffASilentBus();

// Whether the check is done and found a bus that answers (or one of a kind
// it does not look at): only then may the program itself connect to it
// without the risk of waiting on it. Never waits.
bool SessionBusAnswered();

}  // namespace tintwatch
