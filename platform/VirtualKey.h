#pragma once

// Windows virtual-key code (US layout) of a Qt key, or 0 for keys without one.
int virtualKeyFor(int qtKey);
