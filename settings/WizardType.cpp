#include "settings/WizardType.h"

#include <map>

int LookUpWizardType(std::string_view name) {
    static const std::map<std::string_view, int> table = {
        {"DLM", WizardType::DLM},
        {"ISV", WizardType::ISV},
    };
    const auto found = table.find(name);
    return found == table.end() ? WizardType::Unknown : found->second;
}

std::string SingleInstanceMutexName(std::string_view wizardTypeName) {
    // "Global\" puts the mutex in the machine-wide namespace, so the guard
    // also holds against a wizard started by another logged-on user.
    std::string name = "Global\\Quillet";
    name += wizardTypeName;
    name += "SingleInstanceMutex";
    return name;
}
