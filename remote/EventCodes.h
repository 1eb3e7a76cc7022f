#pragma once

// The codes of the events a package reports (payload key "6"). The numbers
// are the reporting service's; never reuse or renumber one.
namespace EventCode {
inline constexpr int Failed = -1;    // download or installer run failed; "12" says why
inline constexpr int Started = 1;    // the wizard started (main product)
inline constexpr int NotShown = 2;   // an offer was passed over or refused; "13" says why
inline constexpr int Completed = 3;  // downloaded and installed
inline constexpr int Declined = 4;   // declined, or skip all
inline constexpr int Closed = 5;     // the user closed the wizard

// Once one of these has been delivered, the package reports nothing more.
constexpr bool IsFinal(int code) {
    return code == Failed || code == NotShown || code == Completed || code == Declined ||
           code == Closed;
}
}  // namespace EventCode
