// Text concatenation: each form returns a new text, operands unchanged.
#pragma once

#include "objectmodel/Text.h"

CStrPP operator+(const CStrPP& left, const CStrPP& right);
CStrPP operator+(const CStrPP& left, const char* right);
CStrPP operator+(const char* left, const CStrPP& right);
