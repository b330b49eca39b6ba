#include "crash/sample_crash_log.h"

#include <deque>
#include <memory>

#include "crash/capture/crash_log.pb-c.h"

namespace vlt::testing {

namespace {

using Report = Vtcrash__CrashReport;

// Owns every message and text that the packed report points at.
struct Storage {
    template <typename T, typename Init>
    T* make(Init init) {
        T* item = new T;
        owned.emplace_back(item, [](void* pointer) { delete static_cast<T*>(pointer); });
        init(item);
        return item;
    }
    char* text(const std::string& value) { return texts.emplace_back(value).data(); }
    template <typename T>
    T** list(std::vector<T*> items) {
        auto& stored = pointers.emplace_back(items.begin(), items.end());
        return reinterpret_cast<T**>(stored.data());
    }

    std::deque<std::shared_ptr<void>> owned;
    std::deque<std::string> texts;
    std::deque<std::vector<void*>> pointers;
};

}  // namespace

std::vector<std::uint8_t> SampleCrashLog::bytes() const {
    Storage store;
    Report report;
    vtcrash__crash_report__init(&report);

    auto* system = report.system_info =
        store.make<Vtcrash__CrashReport__SystemInfo>(vtcrash__crash_report__system_info__init);
    system->has_operating_system = true;
    system->operating_system = VTCRASH__CRASH_REPORT__SYSTEM_INFO__OPERATING_SYSTEM__LINUX;
    system->os_version = store.text(osVersion);
    if (osBuild) system->os_build = store.text(*osBuild);
    system->architecture = VTCRASH__ARCHITECTURE__X86_64;
    system->timestamp = timestamp;

    auto* application = report.application_info =
        store.make<Vtcrash__CrashReport__ApplicationInfo>(vtcrash__crash_report__application_info__init);
    application->identifier = store.text("com.veltrano.mac");
    application->version = store.text(version);
    if (marketingVersion) application->marketing_version = store.text(*marketingVersion);

    std::vector<Vtcrash__CrashReport__Thread*> threadMessages;
    for (const SampleThread& sample : threads) {
        auto* thread = store.make<Vtcrash__CrashReport__Thread>(vtcrash__crash_report__thread__init);
        thread->thread_number = sample.number;
        thread->crashed = sample.crashed;
        std::vector<Vtcrash__CrashReport__Thread__StackFrame*> frames;
        for (const std::uint64_t pc : sample.frames) {
            frames.push_back(
                store.make<Vtcrash__CrashReport__Thread__StackFrame>(vtcrash__crash_report__thread__stack_frame__init));
            frames.back()->pc = pc;
        }
        thread->n_frames = frames.size();
        thread->frames = store.list(frames);
        std::vector<Vtcrash__CrashReport__Thread__RegisterValue*> registers;
        for (const auto& [name, value] : sample.registers) {
            registers.push_back(store.make<Vtcrash__CrashReport__Thread__RegisterValue>(
                vtcrash__crash_report__thread__register_value__init));
            registers.back()->name = store.text(name);
            registers.back()->value = value;
        }
        thread->n_registers = registers.size();
        thread->registers = store.list(registers);
        threadMessages.push_back(thread);
    }
    report.n_threads = threadMessages.size();
    report.threads = store.list(threadMessages);

    std::vector<Vtcrash__CrashReport__BinaryImage*> imageMessages;
    for (const SampleImage& sample : images) {
        auto* image = store.make<Vtcrash__CrashReport__BinaryImage>(vtcrash__crash_report__binary_image__init);
        image->base_address = sample.base;
        image->size = sample.size;
        image->name = store.text(sample.name);
        if (!sample.uuid.empty()) {
            image->has_uuid = true;
            image->uuid.len = sample.uuid.size();
            image->uuid.data = const_cast<std::uint8_t*>(sample.uuid.data());
        }
        imageMessages.push_back(image);
    }
    report.n_binary_images = imageMessages.size();
    report.binary_images = store.list(imageMessages);

    if (exception) {
        report.exception = store.make<Vtcrash__CrashReport__Exception>(vtcrash__crash_report__exception__init);
        report.exception->name = store.text(exception->first);
        report.exception->reason = store.text(exception->second);
    }
    report.signal = store.make<Vtcrash__CrashReport__Signal>(vtcrash__crash_report__signal__init);
    report.signal->name = store.text(signalName);
    report.signal->code = store.text(signalCode);
    report.signal->address = signalAddress;
    if (!customData.empty()) {
        report.has_custom_data = true;
        report.custom_data.len = customData.size();
        report.custom_data.data = const_cast<std::uint8_t*>(customData.data());
    }

    std::vector<std::uint8_t> file{'v', 't', 'c', 'r', 'a', 's', 'h', 1};
    file.resize(8 + vtcrash__crash_report__get_packed_size(&report));
    vtcrash__crash_report__pack(&report, file.data() + 8);
    return file;
}

}  // namespace vlt::testing
