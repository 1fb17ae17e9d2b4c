#include "script/InstallPlan.h"

#include "platform/PathBuffer.h"

namespace {

constexpr std::size_t kKeyNameLimit = 255;

} // namespace

UninstallRegistration PlanRegistration(const std::string& productName)
{
    UninstallRegistration registration;
    registration.key = kUninstallKey + productName;
    const std::size_t keyName = productName.size() - (productName.rfind('\\') + 1);
    registration.keyMade = keyName <= kKeyNameLimit;
    const auto fits = [&](const char* value) {
        return registration.keyMade && registration.key.size() + 1 + std::string(value).size() < kPathBufferSize;
    };
    registration.displayName = fits("DisplayName");
    registration.uninstallString = fits("UninstallString");
    return registration;
}

std::string Folded(std::string text)
{
    for (char& c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
            c = static_cast<char>(byte - 0x20);
        else if (byte == 0x9A || byte == 0x9C || byte == 0x9E)
            c = static_cast<char>(byte - 0x10);
        else if (byte == 0xFF)
            c = static_cast<char>(0x9F);
    }
    return text;
}
