// The module's identity texts and its two paths. The texts are constants that
// need nothing at load: a static text that allocated could throw out of the
// loader's call into the module and end the host.
#pragma once

#include "objectmodel/Text.h"

namespace identity {

extern const char* const manufacturerName;
extern const char* const deviceName;
extern const char* const description;
extern const char* const helpFileName;
extern const char* const versionLabel;
extern const char* const fileVersion;
extern const char* const secondVersion;
extern const char* const technicalDescription;
extern const char* const buildDate;

// Empty until the module's start-up step sets them.
extern CStrPP moduleBasePath;
extern CStrPP modulePath;

}  // namespace identity
