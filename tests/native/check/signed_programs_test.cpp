// The signatures of programs signed as a CD builder signs them: osslsigncode with a
// self-signed certificate made for the test (openssl, no network), SHA-256 and SHA-1 digests.
// Each row is a CD whose Open names setup.exe.
#include "cd_check.h"

#include "cd_trees.h"
#include "tiny_images.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Codes = std::vector<std::string>;

struct Programs {
    std::string unsignedProgram;
    std::string sha256;
    std::string sha1;
};

// Runs command through the shell; the command's messages are the test's on failure.
bool Run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

// The tiny program signed both ways; nullptr when a tool failed.
std::unique_ptr<Programs> SignPrograms() {
    TempDir dir;
    auto programs = std::make_unique<Programs>();
    programs->unsignedProgram = TinyProgram({});
    WriteBytes(dir.PathOf("unsigned.exe"), programs->unsignedProgram);
    if (!Run("QUILLOT_SIGN_PASSWORD=test " TESTS_SUPPORT_DIR "/test_certificate.sh " + dir.Path()))
        return nullptr;
    for (const char* digest : {"sha256", "sha1"}) {
        // Options that Debian 12's osslsigncode 2.5 knows too.
        if (!Run("timeout 60 osslsigncode sign -certs " + dir.PathOf("certificate.pem") + " -key " +
                 dir.PathOf("key.pem") + " -h " + digest + " -in " + dir.PathOf("unsigned.exe") +
                 " -out " + dir.PathOf(std::string(digest) + ".exe") + " >/dev/null"))
            return nullptr;
    }
    programs->sha256 = ReadBytes(dir.PathOf("sha256.exe"));
    programs->sha1 = ReadBytes(dir.PathOf("sha1.exe"));
    return programs;
}

const Programs* SignedOnce() {
    static const std::unique_ptr<Programs> programs = SignPrograms();
    return programs.get();
}

struct SignatureCase {
    const char* name;
    std::function<std::string(const Programs&)> program;
    Codes codes;
};

void PrintTo(const SignatureCase& c, std::ostream* out) {
    *out << c.name;
}

class SignedPrograms : public testing::TestWithParam<SignatureCase> {};

TEST_P(SignedPrograms, GiveExactlyTheirFindings) {
    const Programs* programs = SignedOnce();
    ASSERT_NE(nullptr, programs) << "openssl or osslsigncode failed";
    ASSERT_NE(programs->unsignedProgram, programs->sha256);
    TempDir dir;
    WriteTree(dir, {{"AutoRun.INF", "[AutoRun]\r\nopen=setup.exe\r\n"},
                    {"setup.exe", GetParam().program(*programs)}});
    const cd_check::CheckResult result = cd_check::CheckCd(dir.Path(), cd_check::CheckOptions());
    ASSERT_EQ(cd_check::Problem::kNone, result.problem);
    EXPECT_EQ(GetParam().codes, CodesOf(result));
}

// The signed program with the byte at offset changed.
std::string Changed(std::string program, std::size_t offset) {
    program.at(offset) = static_cast<char>(program.at(offset) ^ 0x01);
    return program;
}

// The offset of the certificate table's directory entry of a PE32 program as TinyProgram
// lays it out, and of its CheckSum: neither is part of the digest.
constexpr std::size_t kCertificateEntry = 0x40 + 4 + 20 + 96 + 4 * 8;
constexpr std::size_t kCheckSum = 0x40 + 4 + 20 + 64;

// The first byte of the digest in the signature: behind the first SHA-256 algorithm identifier
// that an octet string of 32 bytes follows (those of the signer's attributes stand behind).
std::size_t SignedDigestAt(const std::string& program) {
    const std::string identifier("\x06\x09\x60\x86\x48\x01\x65\x03\x04\x02\x01\x05\x00\x04\x20",
                                 15);
    const std::size_t at = program.find(identifier);
    return at == std::string::npos ? 0 : at + identifier.size();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SignedPrograms,
    testing::Values(
        SignatureCase{"Unsigned", [](const Programs& p) { return p.unsignedProgram; }, {"Q701"}},
        SignatureCase{"SignedSha256", [](const Programs& p) { return p.sha256; }, {}},
        SignatureCase{"SignedSha1", [](const Programs& p) { return p.sha1; }, {}},
        SignatureCase{"OneByteOfItsCodeChanged",
                      [](const Programs& p) { return Changed(p.sha256, 0x200); },
                      {"Q702"}},
        SignatureCase{"OneByteOfItsHeaderChanged",
                      [](const Programs& p) { return Changed(p.sha1, 0x60); },
                      {"Q702"}},
        // Windows writes CheckSum when it sets a program up; it is no part of the digest.
        SignatureCase{"ItsCheckSumChanged",
                      [](const Programs& p) { return Changed(p.sha256, kCheckSum); },
                      {}},
        SignatureCase{"TheDigestInItsSignatureChanged",
                      [](const Programs& p) { return Changed(p.sha256, SignedDigestAt(p.sha256)); },
                      {"Q702"}},
        SignatureCase{"ItsCertificateTableCutOff",
                      [](const Programs& p) { return p.sha256.substr(0, p.sha256.size() - 8); },
                      {"Q702"}},
        SignatureCase{"BytesBehindItsCertificateTable",
                      [](const Programs& p) { return p.sha256 + std::string(8, '\0'); },
                      {"Q702"}},
        SignatureCase{"ItsCertificateTableEntryChanged",
                      [](const Programs& p) { return Changed(p.sha256, kCertificateEntry + 1); },
                      {"Q702"}},
        SignatureCase{"TooShortForAProgram", [](const Programs&) { return std::string("MZ"); }, {}},
        SignatureCase{
            "HeadersCutOff", [](const Programs& p) { return p.sha256.substr(0, 0x60); }, {}}),
    [](const testing::TestParamInfo<SignatureCase>& param) {
        return std::string(param.param.name);
    });

} // namespace
