// expert-profile-worker: walks the dialog over a projector for a settings
// profile, one request after another as its parent (expertctl, expert-host)
// sends them on stdin, until stdin closes.
#include <cstdio>

#include "host/profile/ProfileWorker.h"

int main() { return profile::RunWorker(stdin, stdout); }
