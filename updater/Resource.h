// Resource ids of the updater.
#pragma once

#define IDI_QUENLO 101
