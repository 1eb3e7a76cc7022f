#include "i18n/LocaleDocuments.h"

#include "res/resource.h"
#include "settings/WizardType.h"

const int kPublisherFragmentId = IDR_LOCALE_PUBLISHER;

std::vector<int> LocaleDocumentIds(int wizardType) {
    switch (wizardType) {
        case WizardType::DLM:
            return {IDR_LOCALE_DLM_EN, IDR_LOCALE_DLM_ES};
        case WizardType::ISV:
            return {IDR_LOCALE_ISV_EN, IDR_LOCALE_ISV_ES};
        default:
            return {};
    }
}
