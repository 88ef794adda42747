#pragma once
// Form files create their controls by class name, and the class registry learns
// a class when the object file implementing it is linked. A static library
// leaves out an object file that no code refers to, so a class named only in a
// form file (a bevel on a dialog) would be unknown when the form is read.
// Reading a form calls this first; it refers to every standard control class.
void RegisterControlClasses();
