#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "crash_capture/async/vtcrash_async_macho_symtab.h"
#include "macho_image_builder_support.h"

namespace {

using vlt::testing::MachODynamicRanges;
using vlt::testing::MachOImageBuilder;
using vlt::testing::MachOImageOptions;
using vlt::testing::MachOSymbol;

struct Task {
    Task() { vtcrash_async_task_init(&task); }
    ~Task() { vtcrash_async_task_free(&task); }
    vtcrash_async_task task{};
};

struct Found {
    vtcrash_error_t result = VTCRASH_ERR_UNKNOWN;
    uint64_t address = 0;
    std::string name;
};

Found symbolAt(const vtcrash_async_macho& image, uint64_t pc) {
    Found found;
    found.result = vtcrash_async_macho_find_symbol_by_pc(
        &image, pc,
        [](uint64_t address, const char* name, void* context) {
            auto* out = static_cast<Found*>(context);
            out->address = address;
            out->name = name;
        },
        &found);
    return found;
}

constexpr uint8_t kLocal = 0x0e;
constexpr uint8_t kGlobal = 0x0f;
constexpr uint8_t kPrivateExternal = 0x1e;
// A debugging entry whose low bits alone would read as a section symbol.
constexpr uint8_t kStab = 0x2e;
constexpr uint8_t kUndefined = 0x01;

// As a linker lays it out: the locals, then the defined globals, then the undefined.
// A local and a global share 0x1000, two globals share 0x1100, a stab lies above the last
// local, one global is a Thumb definition, and an undefined symbol carries a value.
void addSymbols(MachOImageBuilder& image, bool withRanges) {
    const uint64_t text = image.textVmaddr();
    const std::vector<MachOSymbol> symbols = {
        {"_local_same", text + 0x1000, kLocal}, {"_local", text + 0x1180, kLocal},
        {"_stab", text + 0x1200, kStab, 0},     {"_a", text + 0x1000, kGlobal},
        {"_b", text + 0x1100, kGlobal},         {"_c", text + 0x1100, kGlobal},
        {"_t", text + 0x1300, kGlobal, 1, 0x8}, {"_p", text + 0x1500, kPrivateExternal},
        {"_u", text + 0x1550, kUndefined, 0},
    };
    for (const MachOSymbol& symbol : symbols) image.addSymbol(symbol);
    if (withRanges) image.setDynamicRanges({.ilocalsym = 0, .nlocalsym = 3, .iextdefsym = 3, .nextdefsym = 5});
}

MachOImageOptions imageOfKind(int kind) {
    switch (kind) {
    case 1:
        return {.is64 = true, .swapped = true};
    case 2:
        return {.is64 = false, .swapped = false};
    case 3:
        return {.is64 = false, .swapped = true};
    default:
        return {};
    }
}

TEST(VTCrashMachOSymbols, TheBestSymbolForAPc) {
    struct Case {
        uint64_t offset;
        vtcrash_error_t result;
        // Names found by searching the whole table and the globals before the locals.
        const char* wholeTable;
        const char* globalsFirst;
        uint64_t symbolOffset;
    };
    const Case cases[] = {
        {0x0fff, VTCRASH_ERR_NOTFOUND, "", "", 0},         {0x1000, VTCRASH_OK, "_local_same", "_a", 0x1000},
        {0x10ff, VTCRASH_OK, "_local_same", "_a", 0x1000}, {0x1100, VTCRASH_OK, "_b", "_b", 0x1100},
        {0x1190, VTCRASH_OK, "_local", "_local", 0x1180},  {0x1250, VTCRASH_OK, "_local", "_local", 0x1180},
        {0x1300, VTCRASH_OK, "_t", "_t", 0x1301},          {0x1560, VTCRASH_OK, "_p", "_p", 0x1500},
    };
    Task task;
    for (int kind = 0; kind < 4; ++kind) {
        for (const bool withRanges : {false, true}) {
            MachOImageBuilder builder(imageOfKind(kind));
            builder.addSegment("__TEXT", builder.textVmaddr(), 0x4000);
            addSymbols(builder, withRanges);
            builder.finish();
            vtcrash_async_macho image;
            ASSERT_EQ(vtcrash_async_macho_init(&image, &task.task, "image", builder.base()), VTCRASH_OK);
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::Message()
                             << "kind " << kind << " ranges " << withRanges << " at +" << std::hex << c.offset);
                const Found found = symbolAt(image, builder.at(builder.textVmaddr() + c.offset));
                EXPECT_EQ(found.result, c.result);
                if (c.result != VTCRASH_OK) continue;
                EXPECT_EQ(found.name, withRanges ? c.globalsFirst : c.wholeTable);
                EXPECT_EQ(found.address, builder.at(builder.textVmaddr() + c.symbolOffset));
            }
            vtcrash_async_macho_free(&image);
        }
    }
}

// The slide is taken as a 64-bit word, so the most negative one, which has no positive
// counterpart, is just another slide.
TEST(VTCrashMachOSymbols, AnImageWhoseSlideIsTheMostNegativeAnswersLikeAnyOther) {
    Task task;
    MachOImageBuilder builder({.slide = INT64_MIN});
    builder.addSegment("__TEXT", builder.textVmaddr(), 0x4000);
    addSymbols(builder, true);
    builder.finish();
    vtcrash_async_macho image;
    ASSERT_EQ(vtcrash_async_macho_init(&image, &task.task, "image", builder.base()), VTCRASH_OK);
    ASSERT_EQ(image.vmaddr_slide, INT64_MIN);
    const struct {
        uint64_t offset;
        vtcrash_error_t result;
        const char* name;
        uint64_t symbolOffset;
    } cases[] = {
        {0x0fff, VTCRASH_ERR_NOTFOUND, "", 0},
        {0x1000, VTCRASH_OK, "_a", 0x1000},
        {0x1250, VTCRASH_OK, "_local", 0x1180},
        {0x1560, VTCRASH_OK, "_p", 0x1500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "at +" << std::hex << c.offset);
        const Found found = symbolAt(image, builder.at(builder.textVmaddr() + c.offset));
        EXPECT_EQ(found.result, c.result);
        if (c.result != VTCRASH_OK) continue;
        EXPECT_EQ(found.name, c.name);
        EXPECT_EQ(found.address, builder.at(builder.textVmaddr() + c.symbolOffset));
    }
    vtcrash_async_macho_free(&image);
}

TEST(VTCrashMachOSymbols, LooksUpSectionSymbolsByName) {
    Task task;
    MachOImageBuilder builder;
    builder.addSegment("__TEXT", builder.textVmaddr(), 0x4000);
    addSymbols(builder, true);
    builder.finish();
    vtcrash_async_macho image;
    ASSERT_EQ(vtcrash_async_macho_init(&image, &task.task, "image", builder.base()), VTCRASH_OK);
    struct Case {
        const char* name;
        vtcrash_error_t result;
        uint64_t offset;
    };
    const Case cases[] = {
        {"_b", VTCRASH_OK, 0x1100},
        {"_c", VTCRASH_OK, 0x1100},
        {"_local", VTCRASH_OK, 0x1180},
        {"_p", VTCRASH_OK, 0x1500},
        {"_u", VTCRASH_ERR_NOTFOUND, 0},
        {"_stab", VTCRASH_ERR_NOTFOUND, 0},
        {"_missing", VTCRASH_ERR_NOTFOUND, 0},
        {"_", VTCRASH_ERR_NOTFOUND, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        uint64_t address = 0;
        EXPECT_EQ(vtcrash_async_macho_find_symbol_by_name(&image, c.name, &address), c.result);
        if (c.result == VTCRASH_OK) {
            EXPECT_EQ(address, builder.at(builder.textVmaddr() + c.offset));
        }
    }
    vtcrash_async_macho_free(&image);
}

TEST(VTCrashMachOSymbols, DamagedTablesAreRefused) {
    struct Case {
        const char* situation;
        std::function<void(MachOImageBuilder&)> damage;
        uint64_t pcOffset;
        vtcrash_error_t expected;
    };
    const auto twoSymbols = [](MachOImageBuilder& image) {
        image.addSymbol({"_first", image.textVmaddr() + 0x1000});
        image.addSymbol({"_last", image.textVmaddr() + 0x1100});
    };
    const Case cases[] = {
        {"intact, the first name", twoSymbols, 0x1000, VTCRASH_OK},
        {"intact, the last name", twoSymbols, 0x1100, VTCRASH_OK},
        {"no symbol table", [](MachOImageBuilder&) {}, 0x1000, VTCRASH_ERR_NOTFOUND},
        {"the last name runs out of the string table",
         [&](MachOImageBuilder& image) {
             twoSymbols(image);
             image.cutStringTable(1);
         },
         0x1100, VTCRASH_ERR_INVAL},
        {"a name before the cut still reads",
         [&](MachOImageBuilder& image) {
             twoSymbols(image);
             image.cutStringTable(1);
         },
         0x1000, VTCRASH_OK},
        {"the symbols run past __LINKEDIT",
         [&](MachOImageBuilder& image) {
             twoSymbols(image);
             image.setSymbolCount(100000);
         },
         0x1000, VTCRASH_ERR_INTERNAL},
        {"the globals run past the table",
         [&](MachOImageBuilder& image) {
             twoSymbols(image);
             image.setDynamicRanges({.iextdefsym = 1, .nextdefsym = 2});
         },
         0x1000, VTCRASH_ERR_INVAL},
        {"the locals run past the table",
         [&](MachOImageBuilder& image) {
             twoSymbols(image);
             image.setDynamicRanges({.ilocalsym = 3, .nlocalsym = 0});
         },
         0x1000, VTCRASH_ERR_INVAL},
    };
    Task task;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        MachOImageBuilder builder;
        builder.addSegment("__TEXT", builder.textVmaddr(), 0x4000);
        c.damage(builder);
        builder.finish();
        vtcrash_async_macho image;
        ASSERT_EQ(vtcrash_async_macho_init(&image, &task.task, "image", builder.base()), VTCRASH_OK);
        EXPECT_EQ(symbolAt(image, builder.at(builder.textVmaddr() + c.pcOffset)).result, c.expected);
        vtcrash_async_macho_free(&image);
    }
}

}  // namespace
