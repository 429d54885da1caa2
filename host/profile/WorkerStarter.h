#pragma once
// Starting workers by forking one that is ready: the starter is an
// expert-profile-worker run with --starter. It loads what every walk needs
// once, then on each request forks a worker that serves requests on the
// socket passed with it, and answers with the worker's pid and a pidfd for
// it (so the pool signals the right process, never a reused pid). A fork
// costs a fraction of what starting the program does (loading and relocating
// its libraries, reading the model database), which is what many walks
// started at once on few cores wait for.
//
// The starter is single-threaded and never walks a dialog, so a fork of it
// is a clean worker. It ends when the pool closes its socket; the workers it
// forked then live on until their own sockets close.
#include <functional>
#include <string>

namespace profile {

// Sends `line` (which ends in a newline) on the socket `fd`, with `passed`
// attached when it is not -1. False when the socket failed.
bool SendLine(int fd, const std::string& line, int passed = -1);

// Receives one line (its newline stripped) from `fd` within `timeoutMs`, and
// a descriptor passed with it into `passed` (-1 when none; close-on-exec).
// False on timeout, end of stream, error or more than one line.
bool ReceiveLine(int fd, int timeoutMs, std::string& line, int& passed);

// The starter's loop on its socket `control` until it closes. In each forked
// worker it returns `serve()`'s status (its stdin and stdout are then the
// socket it was forked for); in the starter it returns 0 at the end.
int RunStarter(int control, const std::function<int()>& serve);

}  // namespace profile
