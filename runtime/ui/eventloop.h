// The event loop.
#pragma once

// One iteration of the loop (deferred events, window sync, one message,
// idle work, the quit rule, periodic tasks); RuntimeShowModal runs them too.
void RunLoopIteration();

extern "C" void RuntimeRun();
