#include <gtest/gtest.h>

#include <openssl/evp.h>

#include <random>
#include <string>

#include "platform/fake/FakeMd5.h"
#include "remote/HexText.h"
#include "remote/Md5Hex.h"
#include "remote/Sha256.h"

namespace {

std::string OpenSslSha256Hex(const std::string& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha256(), nullptr);
    return LowerHex({digest, size});
}

TEST(Sha256Hex, Fips180Examples) {
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1'000'000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    };
    for (const auto& c : cases) EXPECT_EQ(Sha256Hex(c.message), c.digest) << c.message.size();
}

// Every length around the one- and two-block padding limits, then random
// lengths and bytes, NUL and high bytes included.
TEST(Sha256Hex, AgreesWithOpenSsl) {
    std::mt19937 random(20250301);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 5000);
    const auto message = [&](std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        return bytes;
    };
    for (std::size_t size = 0; size <= 200; ++size) {
        const std::string bytes = message(size);
        ASSERT_EQ(Sha256Hex(bytes), OpenSslSha256Hex(bytes)) << size;
    }
    for (int i = 0; i < 3000; ++i) {
        const std::string bytes = message(length(random));
        ASSERT_EQ(Sha256Hex(bytes), OpenSslSha256Hex(bytes)) << bytes.size();
    }
}

TEST(Md5Hex, LowerHexOfTheUtf8Bytes) {
    fake::Md5 md5;
    md5.digest = {0x00, 0x01, 0x0a, 0x7f, 0x80, 0xab, 0xcd, 0xef,
                  0xf0, 0xff, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    EXPECT_EQ(Md5Hex(md5, "Peña Clásico"), "00010a7f80abcdeff0ff102030405060");
    EXPECT_EQ(md5.inputs.at(0),
              "Pe\xC3\xB1"
              "a Cl\xC3\xA1sico");
}

TEST(Md5Hex, AFailingSystemCallGivesTheEmptyText) {
    fake::Md5 md5;
    md5.failure = "CryptHashData failed";
    EXPECT_EQ(Md5Hex(md5, "Norvik"), "");
}

}  // namespace
