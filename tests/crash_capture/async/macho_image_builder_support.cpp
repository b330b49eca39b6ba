#include "macho_image_builder_support.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace vlt::testing {

namespace {

constexpr uint64_t kDefaultTextVmaddr64 = 0x100000000;
constexpr uint64_t kDefaultTextVmaddr32 = 0x1000;
constexpr uint32_t kFileTypeDylib = 6;
constexpr uint32_t kProtReadExecute = 5;
constexpr uint32_t kProtReadWrite = 3;
constexpr uint64_t kLinkeditAlignment = 0x1000;
// Low addresses tried for an image that 32-bit pointers must reach.
constexpr uint64_t kLowAddressFirst = 0x10000000;
constexpr uint64_t kLowAddressStep = 0x01000000;
constexpr uint64_t kLowAddressEnd = 0x70000000;

void require(bool condition, const char* what) {
    if (!condition) throw std::logic_error(what);
}

uint64_t roundUp(uint64_t value, uint64_t alignment) { return (value + alignment - 1) / alignment * alignment; }

uint64_t pageSize() { return static_cast<uint64_t>(::sysconf(_SC_PAGESIZE)); }

// Appends values in an image's width and byte order.
class Bytes {
public:
    Bytes(bool is64, bool swapped) : is64_(is64), swapped_(swapped) {}
    void u8(uint8_t value) { data.push_back(value); }
    void u16(uint16_t value) { raw(swapped_ ? __builtin_bswap16(value) : value); }
    void u32(uint32_t value) { raw(swapped_ ? __builtin_bswap32(value) : value); }
    void u64(uint64_t value) { raw(swapped_ ? __builtin_bswap64(value) : value); }
    void word(uint64_t value) { is64_ ? u64(value) : u32(static_cast<uint32_t>(value)); }
    void name(const std::string& text) {
        char field[VTCRASH_MACHO_NAME_SIZE] = {};
        std::memcpy(field, text.data(), std::min(text.size(), sizeof field));
        data.insert(data.end(), field, field + sizeof field);
    }
    void bytes(const std::vector<uint8_t>& more) { data.insert(data.end(), more.begin(), more.end()); }
    std::vector<uint8_t> data;

private:
    template <typename T>
    void raw(T value) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
        data.insert(data.end(), bytes, bytes + sizeof value);
    }
    bool is64_;
    bool swapped_;
};

void* mapImage(uint64_t size, bool lowAddress) {
    if (!lowAddress) {
        void* at = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        require(at != MAP_FAILED, "the image's memory cannot be mapped");
        return at;
    }
    for (uint64_t hint = kLowAddressFirst; hint < kLowAddressEnd; hint += kLowAddressStep) {
        void* at = ::mmap(reinterpret_cast<void*>(hint), size, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
        if (at != MAP_FAILED && reinterpret_cast<uint64_t>(at) == hint) return at;
        if (at != MAP_FAILED) ::munmap(at, size);
    }
    throw std::logic_error("no room for the image below 4 GiB");
}

}  // namespace

MachOImageBuilder::MachOImageBuilder(const MachOImageOptions& options) : options_(options) {
    if (options_.textVmaddr == 0) options_.textVmaddr = options_.is64 ? kDefaultTextVmaddr64 : kDefaultTextVmaddr32;
    options_.capacity = roundUp(options_.capacity, pageSize());
    base_ = reinterpret_cast<uint64_t>(mapImage(options_.capacity, options_.lowAddress || !options_.is64));
    if (options_.slide) options_.textVmaddr = base_ - static_cast<uint64_t>(*options_.slide);
}

MachOImageBuilder::~MachOImageBuilder() { ::munmap(reinterpret_cast<void*>(base_), options_.capacity); }

uint64_t MachOImageBuilder::offsetOf(uint64_t vmaddr, uint64_t size) const {
    require(vmaddr >= options_.textVmaddr, "an address below __TEXT");
    const uint64_t offset = vmaddr - options_.textVmaddr;
    require(offset <= options_.capacity && size <= options_.capacity - offset, "an address past the image's memory");
    return offset;
}

uint64_t MachOImageBuilder::at(uint64_t vmaddr) const { return base_ + offsetOf(vmaddr, 0); }

void MachOImageBuilder::addSegment(const std::string& name, uint64_t vmaddr, uint64_t vmsize) {
    offsetOf(vmaddr, vmsize);
    segments_.push_back({name, vmaddr, vmsize, {}});
    commands_.push_back({segments_.size() - 1, {}});
}

void MachOImageBuilder::addSection(const std::string& segment, const std::string& section, uint64_t vmaddr,
                                   uint64_t size, uint32_t flags) {
    auto found = std::find_if(segments_.begin(), segments_.end(), [&](const Segment& s) { return s.name == segment; });
    require(found != segments_.end(), "a section of a segment not added");
    require(vmaddr >= found->vmaddr && vmaddr + size <= found->vmaddr + found->vmsize, "a section outside its segment");
    found->sections.push_back({section, vmaddr, size, flags});
}

void MachOImageBuilder::addSection(const std::string& segment, const std::string& section, uint64_t vmaddr,
                                   const std::vector<uint8_t>& bytes, uint32_t flags) {
    addSection(segment, section, vmaddr, bytes.size(), flags);
    putBytes(vmaddr, bytes.data(), bytes.size());
}

void MachOImageBuilder::setUuid(const std::array<uint8_t, VTCRASH_MACHO_UUID_SIZE>& uuid) {
    addCommand(VTCRASH_MACHO_LC_UUID, std::vector<uint8_t>(uuid.begin(), uuid.end()));
}

void MachOImageBuilder::addCommand(uint32_t cmd, const std::vector<uint8_t>& body, std::optional<uint32_t> cmdsize) {
    Bytes bytes(options_.is64, options_.swapped);
    bytes.u32(cmd);
    bytes.u32(cmdsize.value_or(static_cast<uint32_t>(8 + body.size())));
    bytes.bytes(body);
    commands_.push_back({std::nullopt, bytes.data});
}

void MachOImageBuilder::put16(uint64_t vmaddr, uint16_t value) {
    Bytes bytes(options_.is64, options_.swapped);
    bytes.u16(value);
    putBytes(vmaddr, bytes.data.data(), bytes.data.size());
}

void MachOImageBuilder::put32(uint64_t vmaddr, uint32_t value) {
    Bytes bytes(options_.is64, options_.swapped);
    bytes.u32(value);
    putBytes(vmaddr, bytes.data.data(), bytes.data.size());
}

void MachOImageBuilder::put64(uint64_t vmaddr, uint64_t value) {
    Bytes bytes(options_.is64, options_.swapped);
    bytes.u64(value);
    putBytes(vmaddr, bytes.data.data(), bytes.data.size());
}

void MachOImageBuilder::putPointer(uint64_t vmaddr, uint64_t value) {
    require(options_.is64 || value <= UINT32_MAX, "a pointer wider than the image");
    options_.is64 ? put64(vmaddr, value) : put32(vmaddr, static_cast<uint32_t>(value));
}

void MachOImageBuilder::putBytes(uint64_t vmaddr, const void* bytes, size_t size) {
    if (size == 0) return;
    std::memcpy(reinterpret_cast<void*>(base_ + offsetOf(vmaddr, size)), bytes, size);
}

void MachOImageBuilder::putString(uint64_t vmaddr, const std::string& text) {
    putBytes(vmaddr, text.c_str(), text.size() + 1);
}

void MachOImageBuilder::addSymbol(const MachOSymbol& symbol) { symbols_.push_back(symbol); }

std::vector<uint8_t> MachOImageBuilder::segmentCommand(const Segment& segment) const {
    const bool is64 = options_.is64;
    const uint64_t sectionSize = is64 ? 80 : 68;
    Bytes bytes(is64, options_.swapped);
    bytes.u32(is64 ? VTCRASH_MACHO_LC_SEGMENT_64 : VTCRASH_MACHO_LC_SEGMENT);
    bytes.u32(static_cast<uint32_t>((is64 ? 72 : 56) + segment.sections.size() * sectionSize));
    bytes.name(segment.name);
    const uint64_t fileoff = segment.vmaddr - options_.textVmaddr;
    bytes.word(segment.vmaddr);
    bytes.word(segment.vmsize);
    bytes.word(fileoff);
    bytes.word(segment.vmsize);
    const uint32_t protection = segment.name == "__TEXT" ? kProtReadExecute : kProtReadWrite;
    bytes.u32(protection);
    bytes.u32(protection);
    bytes.u32(static_cast<uint32_t>(segment.sections.size()));
    bytes.u32(0);
    for (const Section& section : segment.sections) {
        bytes.name(section.name);
        bytes.name(segment.name);
        bytes.word(section.vmaddr);
        bytes.word(section.size);
        bytes.u32(static_cast<uint32_t>(section.vmaddr - options_.textVmaddr));
        for (int field = 0; field < 3; ++field) bytes.u32(0);  // align, reloff, nreloc
        bytes.u32(section.flags);
        for (int field = 0; field < (is64 ? 3 : 2); ++field) bytes.u32(0);  // reserved
    }
    return bytes.data;
}

// __LINKEDIT after every other segment: the symbols, then their names after one NUL.
void MachOImageBuilder::layOutLinkedit(std::vector<Command>& commands) {
    uint64_t end = options_.textVmaddr;
    for (const Segment& segment : segments_) end = std::max(end, segment.vmaddr + segment.vmsize);
    const uint64_t linkedit = roundUp(end, kLinkeditAlignment);

    Bytes table(options_.is64, options_.swapped);
    std::vector<uint8_t> strings = {0};
    for (const MachOSymbol& symbol : symbols_) {
        table.u32(static_cast<uint32_t>(strings.size()));
        table.u8(symbol.type);
        table.u8(symbol.sect);
        table.u16(symbol.desc);
        table.word(symbol.value);
        strings.insert(strings.end(), symbol.name.begin(), symbol.name.end());
        strings.push_back(0);
    }
    const uint64_t symoff = linkedit - options_.textVmaddr;
    const uint64_t stroff = symoff + table.data.size();
    putBytes(linkedit, table.data.data(), table.data.size());
    putBytes(linkedit + table.data.size(), strings.data(), strings.size());
    const uint64_t size = roundUp(table.data.size() + strings.size(), kLinkeditAlignment);
    segments_.push_back({"__LINKEDIT", linkedit, size, {}});
    commands.push_back({segments_.size() - 1, {}});

    Bytes symtab(options_.is64, options_.swapped);
    symtab.u32(static_cast<uint32_t>(symoff));
    symtab.u32(symbolCount_.value_or(static_cast<uint32_t>(symbols_.size())));
    symtab.u32(static_cast<uint32_t>(stroff));
    symtab.u32(static_cast<uint32_t>(strings.size() - stringTableCut_));
    Bytes symtabCommand(options_.is64, options_.swapped);
    symtabCommand.u32(VTCRASH_MACHO_LC_SYMTAB);
    symtabCommand.u32(static_cast<uint32_t>(8 + symtab.data.size()));
    symtabCommand.bytes(symtab.data);
    commands.push_back({std::nullopt, symtabCommand.data});

    if (!dynamicRanges_) return;
    // The full command: the ranges, then the fields this reader does not use.
    Bytes dysymtab(options_.is64, options_.swapped);
    dysymtab.u32(VTCRASH_MACHO_LC_DYSYMTAB);
    dysymtab.u32(80);
    dysymtab.u32(dynamicRanges_->ilocalsym);
    dysymtab.u32(dynamicRanges_->nlocalsym);
    dysymtab.u32(dynamicRanges_->iextdefsym);
    dysymtab.u32(dynamicRanges_->nextdefsym);
    while (dysymtab.data.size() < 80) dysymtab.u32(0);
    commands.push_back({std::nullopt, dysymtab.data});
}

void MachOImageBuilder::finish() {
    std::vector<Command> commands = commands_;
    if (!symbols_.empty() || symbolCount_) layOutLinkedit(commands);

    Bytes loadCommands(options_.is64, options_.swapped);
    for (const Command& command : commands) {
        loadCommands.bytes(command.segment ? segmentCommand(segments_[*command.segment]) : command.bytes);
    }

    Bytes header(options_.is64, options_.swapped);
    if (magic_) {
        const auto* raw = reinterpret_cast<const uint8_t*>(&*magic_);
        header.bytes(std::vector<uint8_t>(raw, raw + sizeof *magic_));
    } else {
        header.u32(options_.is64 ? VTCRASH_MACHO_MAGIC_64 : VTCRASH_MACHO_MAGIC_32);
    }
    header.u32(static_cast<uint32_t>(options_.cpuType));
    header.u32(static_cast<uint32_t>(options_.cpuSubtype));
    header.u32(kFileTypeDylib);
    header.u32(static_cast<uint32_t>(commands.size()));
    header.u32(static_cast<uint32_t>(loadCommands.data.size()));
    header.u32(0);
    if (options_.is64) header.u32(0);

    // The commands must end before the first section's bytes.
    uint64_t firstContent = options_.textVmaddr + options_.capacity;
    for (const Segment& segment : segments_) {
        for (const Section& section : segment.sections) firstContent = std::min(firstContent, section.vmaddr);
    }
    require(options_.textVmaddr + header.data.size() + loadCommands.data.size() <= firstContent,
            "the load commands run into the first section");
    putBytes(options_.textVmaddr, header.data.data(), header.data.size());
    putBytes(options_.textVmaddr + header.data.size(), loadCommands.data.data(), loadCommands.data.size());
}

void MachOImageBuilder::makeTextExecutable() {
    auto text = std::find_if(segments_.begin(), segments_.end(), [](const Segment& s) { return s.name == "__TEXT"; });
    require(text != segments_.end(), "no __TEXT segment");
    require(::mprotect(reinterpret_cast<void*>(at(text->vmaddr)), roundUp(text->vmsize, pageSize()),
                       PROT_READ | PROT_EXEC) == 0,
            "__TEXT cannot be made executable");
}

ObjcMetadataWriter::ObjcMetadataWriter(MachOImageBuilder& image, const ObjcLayout& layout)
    : image_(image), layout_(layout) {
    const uint64_t room = layout.room;
    start_ = {layout.textVmaddr,        layout.textVmaddr + room,     layout.textVmaddr + 2 * room, layout.dataVmaddr,
              layout.dataVmaddr + room, layout.dataVmaddr + 2 * room, layout.dataVmaddr + 3 * room, layout.listVmaddr,
              layout.listVmaddr + room};
}

uint64_t ObjcMetadataWriter::take(Room room, uint64_t size) {
    // The class and category lists are arrays of pointers: nothing pads between their
    // entries. Records are 8-aligned, as the class data word keeps flags in its low bits.
    const bool list = room == kClassList || room == kCategoryList;
    const uint64_t at = start_[room] + roundUp(used_[room], list ? image_.pointerSize() : 8);
    used_[room] = at + size - start_[room];
    require(used_[room] <= layout_.room, "an Objective-C room is full");
    return at;
}

uint64_t ObjcMetadataWriter::string(Room room, const std::string& text) {
    const uint64_t at = take(room, text.size() + 1);
    image_.putString(at, text);
    return image_.at(at);
}

uint64_t ObjcMetadataWriter::methodList(const std::vector<ObjcMethodSpec>& methods, ObjcListKind kind) {
    if (methods.empty()) return 0;
    const uint64_t word = image_.pointerSize();
    if (kind == ObjcListKind::kAbsolute) {
        // The low flag bits that real lists carry must not disturb the entry size.
        const uint64_t entrySize = 3 * word;
        const uint64_t list = take(kConstants, 8 + methods.size() * entrySize);
        image_.put32(list, static_cast<uint32_t>(entrySize | 3));
        image_.put32(list + 4, static_cast<uint32_t>(methods.size()));
        for (size_t index = 0; index < methods.size(); ++index) {
            const uint64_t entry = list + 8 + index * entrySize;
            image_.putPointer(entry, string(kMethodNames, methods[index].selector));
            image_.putPointer(entry + word, 0);
            image_.putPointer(entry + 2 * word, methods[index].imp);
        }
        return image_.at(list);
    }
    const uint64_t list = take(kMethodLists, 8 + methods.size() * 12);
    image_.put32(list, 0x80000000u | 12u);
    image_.put32(list + 4, static_cast<uint32_t>(methods.size()));
    for (size_t index = 0; index < methods.size(); ++index) {
        const uint64_t entry = list + 8 + index * 12;
        const uint64_t reference = take(kSelectorReferences, word);
        image_.putPointer(reference, string(kMethodNames, methods[index].selector));
        image_.put32(entry, static_cast<uint32_t>(image_.at(reference) - image_.at(entry)));
        image_.put32(entry + 4, 0);
        image_.put32(entry + 8, static_cast<uint32_t>(methods[index].imp - image_.at(entry + 8)));
    }
    return image_.at(list);
}

uint64_t ObjcMetadataWriter::readOnlyData(uint32_t flags, uint64_t name, uint64_t methods) {
    const bool is64 = image_.is64();
    const uint64_t readOnly = take(kConstants, is64 ? 72 : 40);
    image_.put32(readOnly, flags);
    image_.putPointer(readOnly + (is64 ? 24 : 16), name);
    image_.putPointer(readOnly + (is64 ? 32 : 20), methods);
    return image_.at(readOnly);
}

// The class data word, with flag bits in the places the runtime uses beside the address.
uint64_t ObjcMetadataWriter::classData(uint64_t readOnly, ObjcClassState state) {
    const uint64_t word = image_.pointerSize();
    const uint64_t flagBits = image_.is64() ? 0x8000000000000001 : 0x1;
    if (state == ObjcClassState::kUnrealized) return readOnly | flagBits;
    const uint64_t readWrite = take(kReadWrite, 8 + word);
    image_.put32(readWrite, 0x80000000u);
    image_.put32(readWrite + 4, 0);
    if (state == ObjcClassState::kRealized) {
        image_.putPointer(readWrite + 8, readOnly);
    } else {
        const uint64_t extension = take(kReadWrite, word);
        image_.putPointer(extension, readOnly);
        image_.putPointer(readWrite + 8, image_.at(extension) | 1);
    }
    return image_.at(readWrite) | flagBits;
}

uint64_t ObjcMetadataWriter::addClass(const ObjcClassLayout& layout) {
    const uint64_t word = image_.pointerSize();
    const uint64_t name = string(kClassNames, layout.name);
    const uint64_t instanceReadOnly = readOnlyData(0, name, methodList(layout.instanceMethods, layout.lists));
    const uint64_t metaReadOnly = readOnlyData(1, name, methodList(layout.classMethods, layout.lists));
    const uint64_t metaclass = take(kClasses, 5 * word);
    const uint64_t klass = take(kClasses, 5 * word);
    image_.putPointer(metaclass + 4 * word, classData(metaReadOnly, layout.state));
    require(!layout.packedIsa || image_.at(metaclass) < (uint64_t{1} << 36), "a packed isa needs a low-address image");
    image_.putPointer(klass, layout.packedIsa ? image_.at(metaclass) | 0x001d800000000001 : image_.at(metaclass));
    image_.putPointer(klass + 4 * word, classData(instanceReadOnly, layout.state));
    image_.putPointer(take(kClassList, word), image_.at(klass));
    return image_.at(klass);
}

void ObjcMetadataWriter::addCategory(const ObjcCategoryLayout& layout) {
    const uint64_t word = image_.pointerSize();
    const uint64_t category = take(kConstants, 6 * word);
    image_.putPointer(category, string(kClassNames, layout.name));
    image_.putPointer(category + word, layout.classAddress);
    image_.putPointer(category + 2 * word, methodList(layout.instanceMethods, layout.lists));
    image_.putPointer(category + 3 * word, methodList(layout.classMethods, layout.lists));
    image_.putPointer(take(kCategoryList, word), image_.at(category));
}

void ObjcMetadataWriter::finish() {
    struct Named {
        Room room;
        const char* segment;
        const char* section;
    };
    const Named sections[] = {
        {kClassNames, "__TEXT", "__objc_classname"},
        {kMethodNames, "__TEXT", "__objc_methname"},
        {kMethodLists, "__TEXT", "__objc_methlist"},
        {kClasses, "__DATA", "__objc_data"},
        {kConstants, "__DATA", "__objc_const"},
        {kSelectorReferences, "__DATA", "__objc_selrefs"},
        {kClassList, layout_.listSegment.c_str(), "__objc_classlist"},
        {kCategoryList, layout_.listSegment.c_str(), "__objc_catlist"},
    };
    for (const Named& named : sections) {
        if (used_[named.room] != 0)
            image_.addSection(named.segment, named.section, start_[named.room], used_[named.room]);
    }
}

ObjcModuleWriter::ObjcModuleWriter(MachOImageBuilder& image, uint64_t vmaddr, uint64_t room)
    : image_(image), vmaddr_(vmaddr), room_(room) {
    require(!image.is64(), "the older runtime is 32-bit");
    take(16);  // the module entry
}

uint64_t ObjcModuleWriter::take(uint64_t size) {
    const uint64_t at = vmaddr_ + roundUp(used_, 4);
    used_ = at + size - vmaddr_;
    require(used_ <= room_, "the module's room is full");
    return at;
}

uint64_t ObjcModuleWriter::methodList(const std::vector<ObjcMethodSpec>& methods) {
    const uint64_t list = take(8 + 12 * methods.size());
    image_.put32(list, 0);
    image_.put32(list + 4, static_cast<uint32_t>(methods.size()));
    for (size_t index = 0; index < methods.size(); ++index) {
        const std::string& selector = methods[index].selector;
        const uint64_t name = take(selector.size() + 1);
        image_.putString(name, selector);
        image_.put32(list + 8 + 12 * index, static_cast<uint32_t>(image_.at(name)));
        image_.put32(list + 8 + 12 * index + 4, 0);
        image_.put32(list + 8 + 12 * index + 8, static_cast<uint32_t>(methods[index].imp));
    }
    return image_.at(list);
}

// A single list, or an array of one list per method ended by the all-ones marker.
uint64_t ObjcModuleWriter::methods(const std::vector<ObjcMethodSpec>& methods, bool listArray) {
    if (methods.empty()) return 0;
    if (!listArray) return methodList(methods);
    std::vector<uint64_t> lists;
    for (const ObjcMethodSpec& method : methods) lists.push_back(methodList({method}));
    const uint64_t array = take(4 * (lists.size() + 1));
    for (size_t index = 0; index < lists.size(); ++index) {
        image_.put32(array + 4 * index, static_cast<uint32_t>(lists[index]));
    }
    image_.put32(array + 4 * lists.size(), 0xffffffff);
    return image_.at(array);
}

void ObjcModuleWriter::addClass(const ObjcOldClassLayout& layout) {
    const uint64_t name = take(layout.name.size() + 1);
    image_.putString(name, layout.name);
    const uint32_t single = layout.listArray ? 0 : 0x4000;
    const uint64_t metaclass = take(40);
    const uint64_t klass = take(40);
    const uint64_t records[] = {klass, metaclass};
    const std::vector<ObjcMethodSpec>* lists[] = {&layout.instanceMethods, &layout.classMethods};
    for (int meta = 0; meta < 2; ++meta) {
        const uint64_t record = records[meta];
        image_.put32(record, meta == 0 ? static_cast<uint32_t>(image_.at(metaclass)) : 0);
        image_.put32(record + 8, static_cast<uint32_t>(image_.at(name)));
        image_.put32(record + 16, single | (meta == 0 ? 0x1 : 0x2));
        image_.put32(record + 28, static_cast<uint32_t>(methods(*lists[meta], layout.listArray)));
    }
    classes_.push_back(image_.at(klass));
}

void ObjcModuleWriter::addCategory(const ObjcOldCategoryLayout& layout) {
    const uint64_t className = take(layout.className.size() + 1);
    image_.putString(className, layout.className);
    const uint64_t category = take(20);
    image_.put32(category + 4, static_cast<uint32_t>(image_.at(className)));
    image_.put32(category + 8, static_cast<uint32_t>(methods(layout.instanceMethods, false)));
    image_.put32(category + 12, static_cast<uint32_t>(methods(layout.classMethods, false)));
    categories_.push_back(image_.at(category));
}

void ObjcModuleWriter::finish() {
    const uint64_t symtab = take(12 + 4 * (classes_.size() + categories_.size()));
    image_.put32(symtab, 0);
    image_.put32(symtab + 4, 0);
    image_.put16(symtab + 8, static_cast<uint16_t>(classes_.size()));
    image_.put16(symtab + 10, static_cast<uint16_t>(categories_.size()));
    std::vector<uint64_t> definitions = classes_;
    definitions.insert(definitions.end(), categories_.begin(), categories_.end());
    for (size_t index = 0; index < definitions.size(); ++index) {
        image_.put32(symtab + 12 + 4 * index, static_cast<uint32_t>(definitions[index]));
    }
    image_.put32(vmaddr_, 7);
    image_.put32(vmaddr_ + 4, 16);
    image_.put32(vmaddr_ + 12, static_cast<uint32_t>(image_.at(symtab)));
    image_.addSection("__OBJC", "__module_info", vmaddr_, 16);
}

}  // namespace vlt::testing
