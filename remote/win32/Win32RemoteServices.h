#pragma once

#include "remote/RemoteServices.h"

// The remote client's services over WinHTTP and the process's own system
// services, shared by the whole process. Diagnostics go to standard output,
// which a program started from a console shows.
RemoteServices Win32RemoteServices();
