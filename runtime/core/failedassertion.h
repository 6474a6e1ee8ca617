// The failed-assertion report: how the runtime tells of an internal
// inconsistency. The user may go on (OK) or end the program (Cancel).
#pragma once

void FailedAssertion(int category, int number, const char* source, int line);
