// Finding the service at start, the update check and the user lookup.
#pragma once

// Runs Bootstrap on a worker thread of its own.
void StartBootstrap();
// How many bootstrap threads have run to their end.
int FinishedBootstraps();
// True while a bootstrap thread runs and the service's address is not known
// yet (ServiceBase is empty).
bool ServiceAddressPending();

// Online check, bootstrap page, service base, then the update check and the
// user lookup.
void Bootstrap();
// Reads the update list: ends the program when it names a newer version,
// else shows the advertisement panel when the list names a web page.
void CheckForUpdate();
// Asks the service for this machine's counters.
void LookUpUser();
