#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "crash_capture/async/vtcrash_async_macho_symbol_lookup.h"
#include "macho_image_builder_support.h"

namespace {

using namespace vlt::testing;

std::string methodName(bool isClassMethod, const std::string& className, const std::string& method) {
    vtcrash_async_symbol_result result;
    vtcrash_async_symbol_result_init(&result);
    vtcrash_async_symbol_result_offer_method(&result, isClassMethod, className.c_str(), method.c_str(), 0x1000);
    return result.name;
}

TEST(VTCrashSymbolResult, ComposesMethodNamesWithinTheBuffer) {
    const std::string c253(253, 'C');
    struct Case {
        bool isClassMethod;
        std::string className;
        std::string method;
        std::string expected;
    };
    const Case cases[] = {
        {false, "Widget", "draw", "-[Widget draw]"},
        {true, "Widget", "shared", "+[Widget shared]"},
        {false, "", "orphan", "-[  orphan]"},
        {false, "K", std::string(250, 's'), "-[K " + std::string(250, 's') + "]"},
        {false, "K", std::string(251, 's'), "-[K " + std::string(251, 's')},
        {false, "K", std::string(300, 's'), "-[K " + std::string(251, 's')},
        {false, c253, "x", "-[" + c253},
        {true, std::string(300, 'C'), "x", "+[" + c253},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.substr(0, 20));
        const std::string name = methodName(c.isClassMethod, c.className, c.method);
        EXPECT_EQ(name, c.expected);
        EXPECT_LE(name.size(), VTCRASH_SYMBOL_NAME_SIZE - 1);
    }
}

TEST(VTCrashSymbolResult, TheHigherAddressWinsAndATieKeepsTheFirst) {
    vtcrash_async_symbol_result result;
    vtcrash_async_symbol_result_init(&result);
    const auto found = [](vtcrash_error_t error, const vtcrash_async_symbol_result& held, bool succeeded) {
        std::string name = "none";
        const vtcrash_error_t delivered = vtcrash_async_symbol_result_deliver(
            &held, succeeded,
            [](uint64_t, const char* text, void* context) { *static_cast<std::string*>(context) = text; }, &name);
        EXPECT_EQ(delivered, error);
        return name;
    };
    EXPECT_EQ(found(VTCRASH_ERR_NOTFOUND, result, false), "none");
    EXPECT_EQ(found(VTCRASH_ERR_INTERNAL, result, true), "none");

    vtcrash_async_symbol_result_offer_symbol(&result, 0x100, std::string(300, 'f').c_str());
    EXPECT_EQ(found(VTCRASH_OK, result, true), std::string(255, 'f'));
    vtcrash_async_symbol_result_offer_method(&result, false, "Same", "address", 0x100);
    EXPECT_EQ(found(VTCRASH_OK, result, true), std::string(255, 'f'));
    vtcrash_async_symbol_result_offer_method(&result, true, "Higher", "address", 0x101);
    EXPECT_EQ(found(VTCRASH_OK, result, true), "+[Higher address]");
    vtcrash_async_symbol_result_offer_symbol(&result, 0x0ff, "_lower");
    EXPECT_EQ(found(VTCRASH_OK, result, true), "+[Higher address]");
    EXPECT_EQ(result.address, 0x101u);
}

struct Task {
    Task() { vtcrash_async_task_init(&task); }
    ~Task() { vtcrash_async_task_free(&task); }
    vtcrash_async_task task{};
};

// Code at __TEXT + 0x1000 described twice: by symbols and by Objective-C methods.
struct DescribedImage {
    DescribedImage(const vtcrash_async_task& task, bool withObjc) {
        const uint64_t text = builder.textVmaddr();
        builder.addSegment("__TEXT", text, 0x4000);
        builder.addSection("__TEXT", "__text", text + 0x1000, 0x400);
        builder.addSegment("__DATA", text + 0x4000, 0x2000);
        builder.addSymbol({"_draw_impl", text + 0x1010});
        builder.addSymbol({"_helper", text + 0x1040});
        if (withObjc) {
            ObjcMetadataWriter writer(
                builder,
                {.textVmaddr = text + 0x2000, .dataVmaddr = text + 0x4000, .listVmaddr = text + 0x5000, .room = 0x300});
            writer.addClass({.name = "Widget",
                             .instanceMethods = {{"draw", pc(0x10)}, {std::string(300, 's'), pc(0x80)}},
                             .classMethods = {{"shared", pc(0x50)}}});
            writer.finish();
        }
        builder.finish();
        EXPECT_EQ(vtcrash_async_macho_init(&macho, &task, "described", builder.base()), VTCRASH_OK);
        vtcrash_async_symbol_cache_init(&cache);
    }
    ~DescribedImage() {
        vtcrash_async_symbol_cache_free(&cache);
        vtcrash_async_macho_free(&macho);
    }
    uint64_t pc(uint64_t offset) const { return builder.at(builder.textVmaddr() + 0x1000 + offset); }

    MachOImageBuilder builder;
    vtcrash_async_macho macho{};
    vtcrash_async_symbol_cache cache;
};

TEST(VTCrashMachOSymbolLookup, ChoosesBetweenTheSymbolTableAndTheMethods) {
    constexpr uint32_t kTable = VTCRASH_SYMBOL_STRATEGY_SYMBOL_TABLE;
    constexpr uint32_t kObjc = VTCRASH_SYMBOL_STRATEGY_OBJC;
    struct Case {
        const char* situation;
        bool withObjc;
        uint32_t strategy;
        uint64_t pcOffset;
        vtcrash_error_t result;
        std::string name;
        uint64_t startOffset;
    };
    const Case cases[] = {
        {"a tie keeps the symbol", true, kTable | kObjc, 0x14, VTCRASH_OK, "_draw_impl", 0x10},
        {"the methods alone", true, kObjc, 0x14, VTCRASH_OK, "-[Widget draw]", 0x10},
        {"the symbol table alone", true, kTable, 0x54, VTCRASH_OK, "_helper", 0x40},
        {"a symbol above the method", true, kTable | kObjc, 0x44, VTCRASH_OK, "_helper", 0x40},
        {"a method above the symbol", true, kTable | kObjc, 0x54, VTCRASH_OK, "+[Widget shared]", 0x50},
        {"a long selector loses its bracket", true, kTable | kObjc, 0x80, VTCRASH_OK,
         "-[Widget " + std::string(246, 's'), 0x80},
        {"below both sources", true, kTable | kObjc, 0x00, VTCRASH_ERR_NOTFOUND, "", 0},
        {"no source enabled", true, 0, 0x14, VTCRASH_ERR_NOTFOUND, "", 0},
        {"an image without methods", false, kTable | kObjc, 0x54, VTCRASH_OK, "_helper", 0x40},
        {"only the methods of an image without them", false, kObjc, 0x54, VTCRASH_ERR_NOTFOUND, "", 0},
    };
    Task task;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        DescribedImage image(task.task, c.withObjc);
        struct Found {
            std::string name;
            uint64_t address = 0;
        } found;
        const vtcrash_error_t result = vtcrash_async_macho_find_symbol(
            &image.macho, c.strategy, &image.cache, image.pc(c.pcOffset),
            [](uint64_t address, const char* name, void* context) {
                *static_cast<Found*>(context) = {name, address};
            },
            &found);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(found.name, c.name);
        if (c.result == VTCRASH_OK) {
            EXPECT_EQ(found.address, image.pc(c.startOffset));
        }
    }
}

}  // namespace
