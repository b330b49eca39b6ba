#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "crash_capture/async/vtcrash_async_macho.h"

namespace vlt::testing {

// Lays out a Mach-O image in this process's memory the way the loader leaves one: the
// header at the start of the buffer, every segment at its vm address relative to __TEXT
// (so the file offsets equal those distances and the slide is the buffer address minus
// the __TEXT vmaddr), and pointers in the data already slid. Values are stored in the
// image's width and byte order. Misuse throws std::logic_error.
//
// Typical use: add the segments (always __TEXT at textVmaddr()), add sections with their
// bytes, add symbols, then finish(), which writes the header, the load commands and
// __LINKEDIT. makeTextExecutable() lets code in __TEXT run.

struct MachOImageOptions {
    bool is64 = true;
    bool swapped = false;
    int32_t cpuType = VTCRASH_MACHO_CPU_TYPE_X86_64;
    int32_t cpuSubtype = 3;
    // Where __TEXT and the header lie in the file's view; 0 picks 0x100000000 for a 64-bit
    // image and 0x1000 for a 32-bit one.
    uint64_t textVmaddr = 0;
    // Instead of textVmaddr: __TEXT placed so that the image's slide is this, whatever
    // address its memory gets.
    std::optional<int64_t> slide{};
    // Bytes reserved for the whole image, __LINKEDIT included.
    uint64_t capacity = 256 * 1024;
    // Places the image below 4 GiB, so that 32-bit pointers (and packed isa fields) reach
    // it; always so for a 32-bit image.
    bool lowAddress = false;
};

struct MachOSymbol {
    std::string name;
    // A vm address of the file's view.
    uint64_t value = 0;
    // A section symbol, external.
    uint8_t type = 0x0f;
    uint8_t sect = 1;
    uint16_t desc = 0;
};

struct MachODynamicRanges {
    uint32_t ilocalsym = 0;
    uint32_t nlocalsym = 0;
    uint32_t iextdefsym = 0;
    uint32_t nextdefsym = 0;
};

class MachOImageBuilder {
public:
    explicit MachOImageBuilder(const MachOImageOptions& options = {});
    ~MachOImageBuilder();
    MachOImageBuilder(const MachOImageBuilder&) = delete;
    MachOImageBuilder& operator=(const MachOImageBuilder&) = delete;

    bool is64() const { return options_.is64; }
    uint64_t pointerSize() const { return options_.is64 ? 8 : 4; }
    uint64_t textVmaddr() const { return options_.textVmaddr; }
    // Where the header lies in this process.
    uint64_t base() const { return base_; }
    int64_t slide() const { return static_cast<int64_t>(base_ - options_.textVmaddr); }
    // Where a vm address of the file's view lies in this process.
    uint64_t at(uint64_t vmaddr) const;

    // Segments and other commands come in the order added; __LINKEDIT and the symbol table
    // commands follow them.
    void addSegment(const std::string& name, uint64_t vmaddr, uint64_t vmsize);
    void addSection(const std::string& segment, const std::string& section, uint64_t vmaddr, uint64_t size,
                    uint32_t flags = 0);
    void addSection(const std::string& segment, const std::string& section, uint64_t vmaddr,
                    const std::vector<uint8_t>& bytes, uint32_t flags = 0);
    void setUuid(const std::array<uint8_t, VTCRASH_MACHO_UUID_SIZE>& uuid);
    // Any command; `cmdsize` defaults to 8 plus the body.
    void addCommand(uint32_t cmd, const std::vector<uint8_t>& body, std::optional<uint32_t> cmdsize = {});
    // Stored so that reading the first word in this machine's order gives `magic`.
    void setMagic(uint32_t magic) { magic_ = magic; }

    // Values at a vm address, in the image's byte order (and width, for pointers).
    void put16(uint64_t vmaddr, uint16_t value);
    void put32(uint64_t vmaddr, uint32_t value);
    void put64(uint64_t vmaddr, uint64_t value);
    void putPointer(uint64_t vmaddr, uint64_t value);
    void putBytes(uint64_t vmaddr, const void* bytes, size_t size);
    // With its NUL.
    void putString(uint64_t vmaddr, const std::string& text);

    // The symbol table, in the order added; a dynamic symbol table only when its ranges
    // are set.
    void addSymbol(const MachOSymbol& symbol);
    void setDynamicRanges(const MachODynamicRanges& ranges) { dynamicRanges_ = ranges; }
    // Damage for tests: the string table's size claims this many bytes less; the symbol
    // count claims another number.
    void cutStringTable(uint32_t bytes) { stringTableCut_ = bytes; }
    void setSymbolCount(uint32_t nsyms) { symbolCount_ = nsyms; }

    // Writes the header, the load commands and __LINKEDIT.
    void finish();
    // __TEXT becomes readable and executable, no longer writable.
    void makeTextExecutable();

private:
    struct Section {
        std::string name;
        uint64_t vmaddr;
        uint64_t size;
        uint32_t flags;
    };
    struct Segment {
        std::string name;
        uint64_t vmaddr;
        uint64_t vmsize;
        std::vector<Section> sections;
    };
    // A segment (by index) or raw command bytes, in load-command order.
    struct Command {
        std::optional<size_t> segment;
        std::vector<uint8_t> bytes;
    };

    uint64_t offsetOf(uint64_t vmaddr, uint64_t size) const;
    std::vector<uint8_t> segmentCommand(const Segment& segment) const;
    void layOutLinkedit(std::vector<Command>& commands);

    MachOImageOptions options_;
    uint64_t base_ = 0;
    std::optional<uint32_t> magic_;
    std::vector<Segment> segments_;
    std::vector<Command> commands_;
    std::vector<MachOSymbol> symbols_;
    std::optional<MachODynamicRanges> dynamicRanges_;
    uint32_t stringTableCut_ = 0;
    std::optional<uint32_t> symbolCount_;
};

// Objective-C metadata of the newer runtime, written into rooms of an image's segments
// and given its sections by finish().
enum class ObjcListKind {
    // In __objc_const: the selector, types and implementation as pointers.
    kAbsolute,
    // In __objc_methlist: 32-bit offsets, the name's to a selector reference.
    kRelative,
};

enum class ObjcClassState {
    // The class data word points at the read-only data.
    kUnrealized,
    // It points at read-write data (outside every section) that points at it.
    kRealized,
    // The read-write data points at an extension that points at it.
    kRealizedWithExtension,
};

struct ObjcMethodSpec {
    std::string selector;
    // An address in this process.
    uint64_t imp = 0;
};

struct ObjcClassLayout {
    std::string name;
    std::vector<ObjcMethodSpec> instanceMethods{};
    std::vector<ObjcMethodSpec> classMethods{};
    ObjcListKind lists = ObjcListKind::kAbsolute;
    ObjcClassState state = ObjcClassState::kUnrealized;
    // The isa packs the metaclass address with other bits (needs a low-address image).
    bool packedIsa = false;
};

struct ObjcCategoryLayout {
    std::string name;
    // The extended class, an address in this process; 0 for none.
    uint64_t classAddress = 0;
    std::vector<ObjcMethodSpec> instanceMethods{};
    std::vector<ObjcMethodSpec> classMethods{};
    ObjcListKind lists = ObjcListKind::kAbsolute;
};

struct ObjcLayout {
    // Rooms in __TEXT for names and relative method lists.
    uint64_t textVmaddr = 0;
    // Rooms in __DATA for class data, constants, selector references and read-write data.
    uint64_t dataVmaddr = 0;
    // Rooms for the class and category lists, in `listSegment`.
    uint64_t listVmaddr = 0;
    std::string listSegment = "__DATA";
    uint64_t room = 0x400;
};

class ObjcMetadataWriter {
public:
    ObjcMetadataWriter(MachOImageBuilder& image, const ObjcLayout& layout);
    // The class's address in this process.
    uint64_t addClass(const ObjcClassLayout& layout);
    void addCategory(const ObjcCategoryLayout& layout);
    // Adds a section for every room that holds something; call before the image's finish().
    void finish();

private:
    enum Room {
        kClassNames,
        kMethodNames,
        kMethodLists,
        kClasses,
        kConstants,
        kSelectorReferences,
        kReadWrite,
        kClassList,
        kCategoryList,
        kRoomCount
    };
    uint64_t take(Room room, uint64_t size);
    uint64_t string(Room room, const std::string& text);
    uint64_t methodList(const std::vector<ObjcMethodSpec>& methods, ObjcListKind kind);
    uint64_t classData(uint64_t readOnly, ObjcClassState state);
    uint64_t readOnlyData(uint32_t flags, uint64_t name, uint64_t methods);

    MachOImageBuilder& image_;
    ObjcLayout layout_;
    std::array<uint64_t, kRoomCount> start_{};
    std::array<uint64_t, kRoomCount> used_{};
};

// Objective-C metadata of the older runtime (32-bit images): one module in
// __OBJC,__module_info listing classes and categories, with their records, lists and
// names in a room of the __OBJC segment.
struct ObjcOldClassLayout {
    std::string name;
    std::vector<ObjcMethodSpec> instanceMethods{};
    std::vector<ObjcMethodSpec> classMethods{};
    // The class points at an array of lists (one per method) instead of a single list.
    bool listArray = false;
};

struct ObjcOldCategoryLayout {
    std::string className;
    std::vector<ObjcMethodSpec> instanceMethods{};
    std::vector<ObjcMethodSpec> classMethods{};
};

class ObjcModuleWriter {
public:
    ObjcModuleWriter(MachOImageBuilder& image, uint64_t vmaddr, uint64_t room = 0x1000);
    void addClass(const ObjcOldClassLayout& layout);
    void addCategory(const ObjcOldCategoryLayout& layout);
    void finish();

private:
    uint64_t take(uint64_t size);
    uint64_t methodList(const std::vector<ObjcMethodSpec>& methods);
    uint64_t methods(const std::vector<ObjcMethodSpec>& methods, bool listArray);

    MachOImageBuilder& image_;
    uint64_t vmaddr_;
    uint64_t room_;
    uint64_t used_ = 0;
    std::vector<uint64_t> classes_;
    std::vector<uint64_t> categories_;
};

}  // namespace vlt::testing
