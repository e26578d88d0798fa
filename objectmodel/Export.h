// Symbol visibility of the object-model library: it is shared between the
// host and the module, so its classes keep default visibility even when a
// client builds with hidden visibility.
#pragma once

#define DDOM_API __attribute__((visibility("default")))
