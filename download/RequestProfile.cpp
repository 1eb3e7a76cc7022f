#include "download/RequestProfile.h"

#include "download/HttpStack.h"

namespace download {

namespace {

std::uint32_t SecureProtocols(const WindowsRelease& release) {
    return kProtocolsSsl3Tls10 | (release.windows7Sp1OrLater ? kProtocolsTls11Tls12 : 0);
}

}  // namespace

RequestProfile FileDownloadProfile(const WindowsRelease& release) {
    // WinHTTP before Windows 8.1 refuses the automatic proxy outright.
    return {std::nullopt, release.windows81OrLater ? kAccessAutomaticProxy : kAccessDefaultProxy,
            SecureProtocols(release), 0};
}

RequestProfile MemoryDownloadProfile(const WindowsRelease& release) {
    return {"A WinHTTP Example Program/1.0", kAccessDefaultProxy, SecureProtocols(release),
            kRequestRefresh};
}

}  // namespace download
