#include "platform/crypto/sha256_digest.h"

#include <openssl/sha.h>

namespace vlt {

Sha256Digest sha256Digest(std::span<const std::uint8_t> bytes) {
    Sha256Digest digest{};
    SHA256(bytes.data(), bytes.size(), digest.data());
    return digest;
}

}  // namespace vlt
