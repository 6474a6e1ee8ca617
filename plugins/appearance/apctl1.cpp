// apctl1: eight appearance-style controls for applications of this runtime.
#include "controls.h"
#include "pluginabi.h"

extern "C" void OPALPluginMain(plugin::Resolver callbackResolver) {
    using namespace apctl;
    plugin::resolver = callbackResolver;
    reinterpret_cast<void (*)(int)>(plugin::resolver("RegisterPluginVersion"))(5);
    RegisterBevelButton();
    RegisterChasingArrows();
    RegisterLittleArrows();
    RegisterPlacard();
    RegisterSeparator();
    RegisterPopupArrow();
    RegisterDisclosureTriangle();
    RegisterImageWell();
}
