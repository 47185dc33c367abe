#pragma once

#include <QString>
#include <sys/types.h>

// The program name the kernel shows for `process`; empty when the process is gone or hidden.
QString ProcessName(pid_t process);
