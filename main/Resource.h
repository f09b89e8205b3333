// Resource ids of the main program.
#pragma once

#define IDI_TAVRIN 101
#define IDB_TOOLBAR 102
#define IDC_FINDER 103
