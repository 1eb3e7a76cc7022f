#pragma once

// The buttons a page reports to the host. The numbers are stable.
enum class ButtonType : int {
    Next = 0,
    Accept = 1,
    Close = 2,
    Decline = 3,
    Finish = 4,
    Back = 5,
    SkipAll = 6,
};
