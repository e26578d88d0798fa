#include "objectmodel/Text.h"

#include <cstring>

CStrPP::CStrPP() = default;
CStrPP::CStrPP(const char* text) : text_(text ? text : "") {}
CStrPP::CStrPP(const CStrPP& other) = default;
CStrPP::CStrPP(CStrPP&& other) noexcept = default;
CStrPP& CStrPP::operator=(const CStrPP& other) = default;
CStrPP& CStrPP::operator=(CStrPP&& other) noexcept = default;
CStrPP::~CStrPP() = default;

CStrPP& CStrPP::operator=(const char* text) {
    text_ = text ? text : "";
    return *this;
}

void CStrPP::AddStr(const CStrPP& tail) { text_ += tail.text_; }
void CStrPP::AddStr(const char* tail) {
    if (tail) text_ += tail;
}

int CStrPP::FindLast(const char* needle) const {
    if (!needle) return -1;
    const auto pos = text_.rfind(needle);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CStrPP CStrPP::Left(int count) const {
    CStrPP result;
    if (count > 0) result.text_ = text_.substr(0, static_cast<std::size_t>(count));
    return result;
}

int CStrPP::strCompare(const char* other) const { return std::strcmp(text_.c_str(), other ? other : ""); }

const char* CStrPP::c_str() const { return text_.c_str(); }
std::size_t CStrPP::GetLength() const { return text_.size(); }
bool CStrPP::IsEmpty() const { return text_.empty(); }
const std::string& CStrPP::str() const { return text_; }

bool operator==(const CStrPP& a, const CStrPP& b) { return a.str() == b.str(); }
bool operator!=(const CStrPP& a, const CStrPP& b) { return !(a == b); }
