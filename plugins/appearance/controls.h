// The eight appearance controls, each registered by its own routine.
#pragma once

namespace apctl {

void RegisterBevelButton();
void RegisterChasingArrows();
void RegisterLittleArrows();
void RegisterPlacard();
void RegisterSeparator();
void RegisterPopupArrow();
void RegisterDisclosureTriangle();
void RegisterImageWell();

} // namespace apctl
