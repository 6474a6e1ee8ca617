// The runtime's control classes: the properties of Control and RectControl,
// the standard controls, the edit field, and the Timer.
#pragma once

// Registers them all with their properties, events and methods; run once,
// as part of the user interface's classes, after the control base classes.
void RegisterControlClasses();

// The rows of Control's and RectControl's property tables.
void RegisterControlBaseProperties();
