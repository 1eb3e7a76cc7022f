// Makes a Wine prefix trust the reference service's test CA: adds the DER
// certificate named on the command line to the current user's "Root" store,
// after removing any earlier certificate of the same subject, so that runs
// with fresh CAs do not pile up. Run it only under a throwaway prefix.
// Usage: quillet_trust_root.exe ca.der

#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "win/Handle.h"

namespace {

struct CertStoreTraits {
    using Type = HCERTSTORE;
    static constexpr HCERTSTORE Invalid() { return nullptr; }
    static void Close(HCERTSTORE store) { ::CertCloseStore(store, 0); }
};

struct CertificateTraits {
    using Type = PCCERT_CONTEXT;
    static constexpr PCCERT_CONTEXT Invalid() { return nullptr; }
    static void Close(PCCERT_CONTEXT certificate) { ::CertFreeCertificateContext(certificate); }
};

using UniqueCertStore = win::UniqueHandle<CertStoreTraits>;
using UniqueCertificate = win::UniqueHandle<CertificateTraits>;

std::vector<BYTE> ReadFile(const wchar_t* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void RemoveEarlierCertificates(const CERT_NAME_BLOB& subject) {
    const UniqueCertStore store(
        ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root"));
    if (!store) return;
    // Deleting frees the context, so every search starts afresh.
    while (PCCERT_CONTEXT found = ::CertFindCertificateInStore(
               store.Get(), X509_ASN_ENCODING, 0, CERT_FIND_SUBJECT_NAME, &subject, nullptr)) {
        if (!::CertDeleteCertificateFromStore(found)) break;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv);  // -Wmissing-declarations exempts only main

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillet_trust_root ca.der\n");
        return 2;
    }
    std::vector<BYTE> der = ReadFile(argv[1]);
    const UniqueCertificate certificate(::CertCreateCertificateContext(
        X509_ASN_ENCODING, der.data(), static_cast<DWORD>(der.size())));
    if (!certificate) {
        std::fprintf(stderr, "quillet_trust_root: not a DER certificate\n");
        return 1;
    }
    RemoveEarlierCertificates(certificate.Get()->pCertInfo->Subject);
    if (!::CertAddEncodedCertificateToSystemStoreW(L"Root", der.data(),
                                                   static_cast<DWORD>(der.size()))) {
        std::fprintf(stderr, "quillet_trust_root: error %lu\n", ::GetLastError());
        return 1;
    }
    return 0;
}
