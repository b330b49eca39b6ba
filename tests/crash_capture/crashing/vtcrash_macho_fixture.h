#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// A small x86_64 Mach-O image that the Mach-O crasher lays out in its memory and crashes
// in, and that its test reads the crash log against: three functions of real machine
// code, each building its frame the way its compact unwind encoding says, each calling
// the next through a register. Called with a pointer to an int, the chain stores 3, adds
// 2 and adds 4 on the way back; called with null, the innermost one writes through it.
namespace vlt::testing::macho_fixture {

constexpr const char* kImageName = "/memory/vtcrash_macho_fixture.dylib";
constexpr std::array<std::uint8_t, 16> kUuid = {0x6d, 0x61, 0x63, 0x68, 0x6f, 0x2d, 0x46, 0x49,
                                                0x58, 0x54, 0x55, 0x52, 0x45, 0x2d, 0x30, 0x31};
// x86_64, all subtypes.
constexpr std::int32_t kCpuSubtype = 3;
// What the chain leaves in the int it is given.
constexpr int kChainResult = 9;

// __TEXT: the header and load commands in its first page, the code and the unwind table
// in its second.
constexpr std::uint64_t kTextVmaddr = 0x100000000;
constexpr std::uint64_t kTextSize = 0x2000;
constexpr std::uint64_t kCodeOffset = 0x1000;
constexpr std::uint64_t kCodeSize = 0xc0;
constexpr std::uint64_t kUnwindInfoOffset = 0x1100;

// Offsets from the header.
constexpr std::uint32_t kOuterOffset = 0x1000;
constexpr std::uint32_t kMiddleOffset = 0x1040;
constexpr std::uint32_t kInnerOffset = 0x1080;
constexpr std::uint32_t kCodeEndOffset = 0x10a0;

// The machine code of each function, instruction by instruction. A call's target is
// loaded rip-relative: the displacement counts from the end of the `lea`.
using namespace std::string_view_literals;

// Frame-pointer based: rbx saved just below the frame pointer.
//   compact encoding: mode 1, the saved registers from 8 bytes below rbp on: rbx (1).
constexpr std::uint32_t kOuterEncoding = 0x01000000 | (1 << 16) | 1;
constexpr std::uint32_t kOuterReturn = 0x15;
constexpr std::string_view kOuterCode =
    "\x55"                          // 00 push %rbp
    "\x48\x89\xe5"                  // 01 mov  %rsp,%rbp
    "\x53"                          // 04 push %rbx
    "\x48\x83\xec\x08"              // 05 sub  $0x8,%rsp          (16-byte aligned for the call)
    "\x48\x89\xfb"                  // 09 mov  %rdi,%rbx          (the int, kept across the call)
    "\x48\x8d\x05\x2d\x00\x00\x00"  // 0c lea  middle(%rip),%rax  (0x1040 - 0x1013)
    "\xff\xd0"                      // 13 call *%rax
    "\x83\x03\x04"                  // 15 addl $0x4,(%rbx)
    "\x48\x8b\x5d\xf8"              // 18 mov  -0x8(%rbp),%rbx
    "\xc9"                          // 1c leave
    "\xc3"sv;                       // 1d ret

// Frameless, its stack size in the encoding: r12 and r13 pushed, 24 bytes below them.
//   compact encoding: mode 2, stack size 6 words (return address, two pushes, 0x18), two
//   registers, permutation 11 = (r13, r12) from the lowest address up.
constexpr std::uint32_t kMiddleEncoding = 0x02000000 | (6 << 16) | (2 << 10) | 11;
constexpr std::uint32_t kMiddleReturn = 0x15;
constexpr std::string_view kMiddleCode =
    "\x41\x54"                      // 00 push %r12
    "\x41\x55"                      // 02 push %r13
    "\x48\x83\xec\x18"              // 04 sub  $0x18,%rsp         (16-byte aligned for the call)
    "\x49\x89\xfc"                  // 08 mov  %rdi,%r12          (the int, kept across the call)
    "\x4c\x8d\x2d\x2e\x00\x00\x00"  // 0b lea  inner(%rip),%r13   (0x1080 - 0x1052)
    "\x41\xff\xd5"                  // 12 call *%r13
    "\x41\x83\x04\x24\x02"          // 15 addl $0x2,(%r12)
    "\x48\x83\xc4\x18"              // 1a add  $0x18,%rsp
    "\x41\x5d"                      // 1e pop  %r13
    "\x41\x5c"                      // 20 pop  %r12
    "\xc3"sv;                       // 22 ret

// Frameless, its stack size read from its own code: the immediate of the `sub` at offset
// 4, plus the return address and the pushed rbx.
//   compact encoding: mode 3, immediate at offset 4, 2 words added, one register,
//   permutation 0 = (rbx).
constexpr std::uint32_t kInnerEncoding = 0x03000000 | (4 << 16) | (2 << 13) | (1 << 10) | 0;
constexpr std::uint32_t kInnerStore = 0x0b;
constexpr std::string_view kInnerCode =
    "\x53"                          // 00 push %rbx
    "\x48\x81\xec\x20\x00\x00\x00"  // 01 sub  $0x20,%rsp
    "\x48\x89\xfb"                  // 08 mov  %rdi,%rbx
    "\xc7\x03\x03\x00\x00\x00"      // 0b movl $0x3,(%rbx)        (the crash, with null)
    "\x48\x81\xc4\x20\x00\x00\x00"  // 11 add  $0x20,%rsp
    "\x5b"                          // 18 pop  %rbx
    "\xc3"sv;                       // 19 ret

static_assert(kOuterCode.size() == 0x1e && kMiddleCode.size() == 0x23 && kInnerCode.size() == 0x1a);
// The displacements written above, against the layout.
static_assert(kMiddleOffset - (kOuterOffset + 0x13) == 0x2d && kOuterCode[0x0f] == 0x2d);
static_assert(kInnerOffset - (kMiddleOffset + 0x12) == 0x2e && kMiddleCode[0x0e] == 0x2e);
static_assert(kInnerOffset + kInnerCode.size() <= kCodeEndOffset);

struct FixtureFunction {
    const char* symbol;
    std::uint32_t offset;
    std::uint32_t encoding;
};
// Innermost first, as a stack lists them.
constexpr std::array<FixtureFunction, 3> kFunctions = {{
    {"_vtcrash_macho_frameless_indirect", kInnerOffset, kInnerEncoding},
    {"_vtcrash_macho_frameless_immediate", kMiddleOffset, kMiddleEncoding},
    {"_vtcrash_macho_frame_pointer", kOuterOffset, kOuterEncoding},
}};
// Where each function's frame stands in the crash: the store, then two return addresses.
constexpr std::array<std::uint32_t, 3> kFramePcOffsets = {kInnerOffset + kInnerStore, kMiddleOffset + kMiddleReturn,
                                                          kOuterOffset + kOuterReturn};

}  // namespace vlt::testing::macho_fixture
