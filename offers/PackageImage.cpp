#include "download/DownloadManager.h"
#include "offers/Package.h"

void Package::DownloadImage(download::DownloadManager& downloads,
                            const std::string& fileEndpointUrl, ImageDecoder decode,
                            const std::function<void()>& done) {
    if (isMain) {
        done();
        return;
    }
    // The package stays alive until its image has been handled.
    downloads.DownloadToMemoryAsync(
        fileEndpointUrl + imageName,
        [self = shared_from_this(), decode = std::move(decode), done](download::Bytes bytes) {
            if (!bytes.empty()) self->image = decode(bytes);
            if (done) done();
        });
}
