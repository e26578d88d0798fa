// CStrPP: the object model's text, a single-byte string (Windows-1252 on the
// wire). Value semantics; copies are independent.
#pragma once

#include <cstddef>
#include <string>

#include "objectmodel/Export.h"

class DDOM_API CStrPP {
public:
    CStrPP();
    CStrPP(const char* text);  // NOLINT(google-explicit-constructor): the library converts literals
    CStrPP(const CStrPP& other);
    CStrPP(CStrPP&& other) noexcept;
    CStrPP& operator=(const CStrPP& other);
    CStrPP& operator=(CStrPP&& other) noexcept;
    virtual ~CStrPP();

    // Replaces the text with a plain string; a null pointer gives the empty text.
    virtual CStrPP& operator=(const char* text);

    void AddStr(const CStrPP& tail);
    void AddStr(const char* tail);

    // Position of the last occurrence of `needle`, or -1 when it does not occur.
    int FindLast(const char* needle) const;
    // The first `count` characters; a negative count gives the empty text.
    CStrPP Left(int count) const;
    // strcmp-like comparison with a plain string (case-sensitive).
    int strCompare(const char* other) const;

    const char* c_str() const;
    std::size_t GetLength() const;
    bool IsEmpty() const;
    const std::string& str() const;

private:
    std::string text_;
};

DDOM_API bool operator==(const CStrPP& a, const CStrPP& b);
DDOM_API bool operator!=(const CStrPP& a, const CStrPP& b);
