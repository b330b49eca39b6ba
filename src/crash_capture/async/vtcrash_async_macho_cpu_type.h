#pragma once

#include <cstdint>

// The CPU types a Mach-O header names, which the compact unwind encodings and the crash
// log's code types are keyed by; the 64-bit flag marks the wide variant of a family.
constexpr int32_t VTCRASH_MACHO_CPU_ARCH_64 = 0x01000000;
constexpr int32_t VTCRASH_MACHO_CPU_TYPE_X86 = 7;
constexpr int32_t VTCRASH_MACHO_CPU_TYPE_X86_64 = VTCRASH_MACHO_CPU_TYPE_X86 | VTCRASH_MACHO_CPU_ARCH_64;
constexpr int32_t VTCRASH_MACHO_CPU_TYPE_ARM = 12;
constexpr int32_t VTCRASH_MACHO_CPU_TYPE_ARM64 = VTCRASH_MACHO_CPU_TYPE_ARM | VTCRASH_MACHO_CPU_ARCH_64;
