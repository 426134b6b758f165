#pragma once

enum class TSerialProbe { Opened, AccessDenied, Failed };

// Tries to open serial port COM<number> for reading and writing and closes it again.
// COM<n> is the device /dev/ttyS<n-1>: COM1 is /dev/ttyS0. The device is opened as it exists
// (never created), non-blocking and without becoming the controlling terminal. A port that
// refuses us (no permission, or busy with another program) answers AccessDenied; a missing
// device, one that is not a character device, or any other error answers Failed.
TSerialProbe ProbeSerialPort(int number);
