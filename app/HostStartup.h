#pragma once

#include <optional>
#include <string>

// Texts the host window shows when it starts, decided by the wizard type.

// The window caption: "Setup" for the download manager (it becomes
// "<title> Setup" once the configuration has loaded), "<title> " for the
// installer. nullopt for an unknown wizard type, which must not start.
std::optional<std::string> InitialCaption(int wizardType, const std::string& productTitle);

// The version line of the about box, e.g. "Quillet, Version 3.1.0.11073".
std::string AboutVersionText(const std::string& installerVersion);

inline constexpr const char* kAnotherInstanceMessage =
    "Another setup is already running, please close it and try again";
inline constexpr const char* kInvalidWizardTypeMessage = "Invalid wizard type";
