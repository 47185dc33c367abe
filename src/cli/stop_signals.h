#pragma once

// The stop signals of orvane-cli (SIGINT, SIGTERM, SIGHUP). The first one only notes itself, so
// the run finishes the exchange in flight and sends nothing more; its handler is then gone, so a
// second signal ends the program at once.

// Installs the handlers; call once, before the run starts.
void CatchStopSignals();

// The first stop signal that arrived; 0 while none did (always 0 without CatchStopSignals).
int StopSignalReceived();
