#pragma once
// A priority above the ordinary threads' for the thread that reads the
// switches' answers while a search's burst may come, where the system grants
// one. A whole site's burst fills the kernel's queue in a millisecond; the
// reader must run the moment an answer comes, even while the web view draws
// and the window works. Outside a burst, and in a flood, the reader is an
// ordinary thread again: one that held a processor for a whole flood stalled
// the window for a tenth of a second at a time.

class ORB_ReaderPriority
{
public:
    // Raises the calling thread's priority; true when the system granted it.
    // Linux grants a real-time priority only with the right to it (root, or
    // an rtprio limit); Windows grants a time-critical one to any program.
    // Never on a single core, where the reader would starve the window.
    static bool raise();
    // The calling thread is an ordinary one again.
    static void lower();
};
