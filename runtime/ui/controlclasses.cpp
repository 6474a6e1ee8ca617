// Registering the control classes, base first.
#include "controlclasses.h"
#include "timer.h"

void RegisterControlClasses() {
    RegisterTimerClass();
}
