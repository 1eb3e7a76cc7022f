#include "offers/OfferTermsReader.h"

#include "offers/OfferValues.h"

using namespace offer_values;

namespace {

UninstallCheck ReadUninstallCheck(const nlohmann::json& object) {
    UninstallCheck check;
    check.hive = RequiredText(object, "utr");
    check.key = RequiredText(object, "utk");
    check.valueName = RequiredText(object, "utvn");
    check.valueType = RequiredText(object, "utvt");
    check.minDays = object.at("umd").get<int>();
    ReadFlag(object, "utms", check.milliseconds);
    return check;
}

void ReadPaths(const nlohmann::json& ps, const char* key, std::vector<std::string>& target,
               const std::function<std::string(const std::string&)>& expandPaths) {
    ReadTexts(ps, key, target);
    for (auto& path : target) path = expandPaths(path);
}

}  // namespace

void ReadCombinationRules(const nlohmann::json& cfs, OfferSettings& settings) {
    ReadInt(cfs, "mb", settings.mb);
    ReadTexts(cfs, "ab", settings.ab);
    ReadInt(cfs, "ma", settings.ma);
    ReadTexts(cfs, "aa", settings.aa);
    ReadInt(cfs, "mo", settings.mo);
    ReadFlag(cfs, "saad", settings.saad);
    ReadFlag(cfs, "sied", settings.sied);
}

void ReadEligibility(const nlohmann::json& ps, Eligibility& eligibility,
                     const std::function<std::string(const std::string&)>& expandPaths) {
    ReadSize(ps, "disk", eligibility.minDiskMiB);
    ReadSize(ps, "ram", eligibility.minRamMiB);
    ReadSize(ps, "cpu", eligibility.minCpuMHz);
    ReadInt(ps, "ov", eligibility.minWindows);
    ReadText(ps, "pv", eligibility.minInstallerVersion);
    ReadFlag(ps, "win64", eligibility.needs64BitWindows);
    if (ps.contains("x")) ApplyPreset(ps.at("x").get<int>(), eligibility);
    ReadPaths(ps, "fe", eligibility.filesMustBeAbsent, expandPaths);
    ReadPaths(ps, "ife", eligibility.filesMustExist, expandPaths);
    ReadTexts(ps, "a", eligibility.processesMustNotRun);
    ReadTexts(ps, "r", eligibility.keysMustBeAbsent);
    ReadTexts(ps, "ir", eligibility.keysMustExist);
    ReadTexts(ps, "rvn", eligibility.valuesMustBeAbsent);
    ReadTexts(ps, "rvd", eligibility.valueDataMustDiffer);
    ReadTexts(ps, "eapp", eligibility.appsMustBeAbsent);
    ReadTexts(ps, "iapp", eligibility.appsMustBePresent);
    if (!ps.contains("cmdu")) return;
    for (const auto& object : ps.at("cmdu").get<std::vector<nlohmann::json>>()) {
        eligibility.uninstallChecks.push_back(ReadUninstallCheck(object));
    }
}

void ApplyPreset(int preset, Eligibility& eligibility) {
    switch (preset) {
        case 1:
            eligibility.minDiskMiB = 2500;
            eligibility.minRamMiB = 250;
            break;
        case 2:
            eligibility.chromeRequired = true;
            eligibility.checkIeVersion = true;
            break;
        case 3:
            eligibility.minDiskMiB = 512;
            eligibility.minRamMiB = 1536;
            eligibility.minCpuMHz = 1500;
            break;
        case 10:
            eligibility.needs64BitWindows = true;
            break;
        case 12:
            eligibility.chromeRequired = true;
            break;
        case 13:
            eligibility.chromeForbidden = true;
            break;
        default:
            break;
    }
}
