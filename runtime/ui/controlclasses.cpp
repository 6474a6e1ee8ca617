// Registering the control classes, base first.
#include "controlclasses.h"
#include "canvas.h"
#include "checkbox.h"
#include "controlbase.h"
#include "editfield.h"
#include "progressbar.h"
#include "pushbutton.h"
#include "statictext.h"
#include "timer.h"

void RegisterControlClasses() {
    RegisterControlBaseClasses();
    RegisterControlBaseProperties();
    RegisterPushButtonClass();
    RegisterCheckBoxClass();
    RegisterStaticTextClass();
    RegisterProgressBarClass();
    RegisterCanvasClass();
    RegisterEditFieldClass();
    RegisterTimerClass();
}
