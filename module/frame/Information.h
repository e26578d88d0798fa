// The information object: the module's identity as the host asks for it.
#pragma once

#include <cstdint>
#include <span>

#include "interfaces/ModuleInterface.h"

// Name/value pairs: an empty name ends the table; the values list has an
// entry at the same index.
struct PairTable {
    std::span<const char* const> names;
    std::span<const char* const> values;
};

// The walks over a pair table, shared by the module's table and any other.
CStrPP pairNames(const PairTable& table);
CStrPP pairValue(const PairTable& table, const CStrPP& key);

class CDeviceInformation final : public CInformation {
public:
    ~CDeviceInformation() override;
    std::int32_t GetNumber01() override;
    std::int32_t GetManufacturerId() override;
    std::int32_t GetResourceId() override;
    std::int32_t GetLogoBitmapId() override;
    CStrPP GetManufacturerName() override;
    std::int32_t GetDeviceTypeId() override;
    std::int32_t GetIconId() override;
    std::int32_t GetDeviceBitmapId() override;
    CStrPP GetDeviceName() override;
    CStrPP GetDescription() override;
    std::int32_t GetNumber11() override;
    CStrPP GetHelpFileName() override;
    CStrPP GetStandardMenuName(std::int32_t code) override;
    CStrPP GetPairNames() override;
    CStrPP GetPairValue(const CStrPP& key) override;
    CStrPP GetSpecialItemName(std::int32_t code) override;
    CStrPP GetModuleBasePath() override;
    CStrPP GetModulePath() override;
    CStrPP GetVersionLabel() override;
    CStrPP GetFileVersion() override;
    CStrPP GetSecondVersion() override;
    CStrPP GetTechnicalDescription() override;
    CStrPP GetBuildDate() override;
};
