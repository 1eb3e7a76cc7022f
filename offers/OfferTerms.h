#pragma once

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

// What an offer's configuration says about where it may be shown. Texts are
// UTF-8; paths in filesMustBeAbsent and filesMustExist have their path
// placeholders expanded.

// "cmdu": an uninstall time stored in the registry.
struct UninstallCheck {
    std::string hive;           // "utr"
    std::string key;            // "utk"
    std::string valueName;      // "utvn"
    std::string valueType;      // "utvt", kept unused
    int minDays = 0;            // "umd"
    bool milliseconds = false;  // "utms"
};

struct Eligibility {
    int vertical = 0;  // "v"; -1: no vertical
    bool exclusive = false;
    std::uint64_t minDiskMiB = 0;
    std::uint64_t minRamMiB = 0;
    std::uint64_t minCpuMHz = 0;
    int minWindows = 0;  // "ov": 61, 62, 63 or 100
    std::string minInstallerVersion;
    bool needs64BitWindows = false;
    bool chromeRequired = false;
    bool chromeForbidden = false;
    bool checkIeVersion = false;
    std::vector<std::string> filesMustBeAbsent;    // "fe"
    std::vector<std::string> filesMustExist;       // "ife"
    std::vector<std::string> processesMustNotRun;  // "a"
    std::vector<std::string> keysMustBeAbsent;     // "r"
    std::vector<std::string> keysMustExist;        // "ir"
    std::vector<std::string> valuesMustBeAbsent;   // "rvn"
    std::vector<std::string> valueDataMustDiffer;  // "rvd"
    std::vector<std::string> appsMustBeAbsent;     // "eapp"
    std::vector<std::string> appsMustBePresent;    // "iapp"
    std::vector<UninstallCheck> uninstallChecks;   // "cmdu"
};

// The "pn" block and its "cfs" rules; read only when "pn" is true.
struct OfferSettings {
    bool pn = false;
    std::string pnau;
    std::string pnak;
    std::string pnr;
    std::string pnop;
    bool pnsi = false;
    std::string sp;  // expanded
    std::string la;
    int mb = INT_MAX;             // at most this many offers before this one
    std::vector<std::string> ab;  // Base62 names this one may follow
    int ma = INT_MAX;             // at most this many offers after this one
    std::vector<std::string> aa;  // Base62 names that may follow this one
    int mo = INT_MAX;
    bool saad = false;
    bool sied = false;
};
