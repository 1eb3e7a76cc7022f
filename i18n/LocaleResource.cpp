#include "i18n/LocaleResource.h"

#include "i18n/LocaleDocuments.h"
#include "platform/MessageBoxes.h"
#include "platform/Resources.h"

std::unique_ptr<tinyxml2::XMLDocument> LoadLocaleResource(int id, platform::Resources& resources,
                                                          platform::MessageBoxes& messages) {
    const platform::Resource resource = resources.Read(kLocaleResourceType, id);
    switch (resource.status) {
        case platform::Resource::Status::NotFound:
            messages.ShowMessage("Failed to find resource with id: " + std::to_string(id));
            return nullptr;
        case platform::Resource::Status::CannotLoad:
            messages.ShowMessage("Failed to load resource with id: " + std::to_string(id));
            return nullptr;
        case platform::Resource::Status::Found:
            break;
    }
    auto document = std::make_unique<tinyxml2::XMLDocument>(true, tinyxml2::PRESERVE_WHITESPACE);
    // An empty resource fails here too, as the parser's empty-document error.
    if (document->Parse(resource.bytes.data(), resource.bytes.size()) != tinyxml2::XML_SUCCESS) {
        const char* error = document->ErrorStr();
        ReportParseFailure(messages, error ? error : "");
        return nullptr;
    }
    return document;
}

std::optional<std::string> ReadLocaleName(int id, platform::Resources& resources,
                                          platform::MessageBoxes& messages) {
    const auto document = LoadLocaleResource(id, resources, messages);
    const tinyxml2::XMLElement* locale = document ? document->FirstChildElement("Locale") : nullptr;
    if (!locale) return std::nullopt;
    const char* name = locale->Attribute("name");
    if (!name) {
        ReportParseFailure(messages, "No name attribute");
        return std::nullopt;
    }
    return name;
}

void ReportParseFailure(platform::MessageBoxes& messages, std::string_view reason) {
    messages.ShowMessage("Failed to parse language xml file, error code: " + std::string(reason));
}

const char* ElementText(const tinyxml2::XMLElement& element) {
    const tinyxml2::XMLNode* child = element.FirstChild();
    while (child && child->ToComment()) child = child->NextSibling();
    const tinyxml2::XMLText* text = child ? child->ToText() : nullptr;
    return text ? text->Value() : nullptr;
}
