// expert-profile-worker: walks the dialog over one projector for a settings
// profile, as its parent (expertctl, expert-host) asks on stdin.
#include <cstdio>

#include "host/profile/ProfileWorker.h"

int main() { return profile::RunWorker(stdin, stdout); }
