#include "app/HostStartup.h"

#include "settings/WizardType.h"

std::optional<std::string> InitialCaption(int wizardType, const std::string& productTitle) {
    switch (wizardType) {
        case WizardType::DLM:
            return "Setup";
        case WizardType::ISV:
            return productTitle + " ";
        default:
            return std::nullopt;
    }
}

std::string AboutVersionText(const std::string& installerVersion) {
    return "Quillet, Version " + installerVersion;
}
