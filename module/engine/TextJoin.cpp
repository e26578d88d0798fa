#include "engine/TextJoin.h"

CStrPP operator+(const CStrPP& left, const CStrPP& right) {
    CStrPP joined(left);
    joined.AddStr(right);
    return joined;
}

CStrPP operator+(const CStrPP& left, const char* right) {
    CStrPP joined(left);
    joined.AddStr(right);
    return joined;
}

CStrPP operator+(const char* left, const CStrPP& right) {
    CStrPP joined(left);
    joined.AddStr(right);
    return joined;
}
