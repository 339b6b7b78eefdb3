// Whether a program's Authenticode signature still fits the program: the digest inside the
// signature against the digest of the file as Authenticode defines it. No certificate is
// judged: a signature that fits may still come from a signer that Windows does not trust.
#pragma once

#include "byte_source.h"

namespace cd_check {

enum class SignatureState {
    kNotAProgram, // no 32- or 64-bit Windows program: nothing to sign
    kUnsigned,
    kFits,
    // The digests differ, or the certificate table is damaged: cut off, not at the file's end,
    // or not readable as a signature. Windows refuses the program either way.
    kBroken,
    // Signed with a digest other than SHA-1 and SHA-256, with a signature too large to read,
    // or a file that could not be read to the table.
    kNotJudged,
};

SignatureState ReadSignatureState(ByteSource& bytes);

} // namespace cd_check
