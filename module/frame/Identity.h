// The module's identity strings and its two paths: static texts built when
// the module is loaded, in this order, and destroyed in reverse order.
#pragma once

#include "objectmodel/Text.h"

namespace identity {

extern const CStrPP manufacturerName;
extern const CStrPP deviceName;
extern const CStrPP description;
extern const CStrPP helpFileName;
extern const CStrPP versionLabel;
extern const CStrPP fileVersion;
extern const CStrPP secondVersion;
extern const CStrPP technicalDescription;
extern const CStrPP buildDate;

// Empty until the module's start-up step sets them.
extern CStrPP moduleBasePath;
extern CStrPP modulePath;

}  // namespace identity
