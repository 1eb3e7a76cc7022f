#pragma once

#include <string>
#include <string_view>

// The two kinds of wizard a build can be. The numbers are stored in the
// settings record and compared throughout the program.
namespace WizardType {
inline constexpr int Unknown = 0;
inline constexpr int DLM = 1;  // download manager: fetches the product into a folder
inline constexpr int ISV = 2;  // installer: downloads and installs product and offers
}  // namespace WizardType

// Maps a build's wizard-type name ("DLM", "ISV") to its number;
// WizardType::Unknown for any other name.
int LookUpWizardType(std::string_view name);

// Name of the machine-wide mutex that keeps a second wizard of the same
// type from starting, e.g. "Global\QuilletISVSingleInstanceMutex".
std::string SingleInstanceMutexName(std::string_view wizardTypeName);
