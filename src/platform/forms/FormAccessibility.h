// Tintwell - how a window of the program presents itself to screen readers.
#pragma once

// Makes every form known to assistive technology as a window (a frame), or
// as a dialog when it is one, named by its caption. Qt would otherwise show a
// plain top-level widget as an unnamed filler. Safe to call more than once.
void installFormAccessibility();
