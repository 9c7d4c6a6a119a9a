#pragma once

#include <array>
#include <cstddef>

namespace valorama {

struct SuiteSettingLabel
{
    const char *label; // exactly 48 characters, ending with ':'
    int width; // characters the setting keeps
};

inline constexpr std::size_t SuiteSettingCount = 134;
inline constexpr const char *CentralServerAddressLabel = "IP DO SERVIDOR CENTRAL.........................:";

const std::array<SuiteSettingLabel, SuiteSettingCount> &suiteSettingLabels();

} // namespace valorama
