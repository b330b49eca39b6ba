#pragma once

#include <cstddef>

// Names of Linux signals and their codes, from the system's own constants.

// The signal's name ("SIGBUS"), or null for a number without one (real-time signals).
const char* vtcrash_async_signal_signame(int signo);
// The code's name ("BUS_ADRERR", "SI_TKILL"), or null when the pair has none. The
// codes every signal may carry (sent by kill, tgkill, a timer...) are named for any
// signal; the fault codes only for their own signal.
const char* vtcrash_async_signal_sigcode(int signo, int code);

// Room for "#" and any int with its sign, and the NUL.
constexpr size_t VTCRASH_SIGNAL_TEXT_SIZE = 13;

// The name, or "#" and the decimal number written into `buffer` when there is none.
const char* vtcrash_async_signal_name_text(int signo, char (&buffer)[VTCRASH_SIGNAL_TEXT_SIZE]);
const char* vtcrash_async_signal_code_text(int signo, int code, char (&buffer)[VTCRASH_SIGNAL_TEXT_SIZE]);
