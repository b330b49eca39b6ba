#include <cerrno>

#include <gtest/gtest.h>

#include "base/cancellation_error.h"
#include "foundation/decoding_error.h"
#include "foundation/diagnostic_error_summary.h"
#include "base/system_error.h"

namespace vlt {
namespace {

class SampleFailure final : public Failure {
public:
    std::string typeName() const override { return "SampleFailure"; }
    std::int64_t code() const override { return 2; }
    std::string diagnosticCode() const override { return "sample-corrupted"; }
};

// A wrapper that hands on the platform error it was made from.
class SampleSystemFailure final : public Failure, public DiagnosticUnderlyingErrorProviding {
public:
    explicit SampleSystemFailure(ErrorPtr underlying) : underlying_(std::move(underlying)) {}
    std::string typeName() const override { return "SampleSystemFailure"; }
    std::int64_t code() const override { return 0; }
    std::string diagnosticCode() const override { return "sample-system-failed"; }
    const Error* underlyingError() const override { return underlying_.get(); }

private:
    ErrorPtr underlying_;
};

// Our own failures name their type, module domain and case; a wrapper of one platform
// error is described by that error (one level deep) but keeps its own stable code.
TEST(DiagnosticErrorSummaryTest, DescribesEachKindOfError) {
    const auto wrapped = makeError<SampleSystemFailure>(makeSystemError(ENOSPC));
    const DecodingError decoding(DecodingError::Kind::keyNotFound, "version", "missing");
    const std::pair<DiagnosticErrorSummary, DiagnosticErrorSummary> cases[] = {
        {DiagnosticErrorSummary(SampleFailure()), {"SampleFailure", "VltMac.SampleFailure", 2, "sample-corrupted"}},
        {DiagnosticErrorSummary(SampleSystemFailure(makeSystemError(EACCES, "open", "/tmp/x"))),
         {"SystemError", "POSIX", EACCES, "sample-system-failed"}},
        {DiagnosticErrorSummary(SampleSystemFailure(wrapped)),
         {"SampleSystemFailure", "VltMac.SampleSystemFailure", 0, "sample-system-failed"}},
        {DiagnosticErrorSummary(SampleSystemFailure(nullptr)),
         {"SampleSystemFailure", "VltMac.SampleSystemFailure", 0, "sample-system-failed"}},
        {DiagnosticErrorSummary(SystemError(ENOENT)), {"SystemError", "POSIX", ENOENT, "unexpected"}},
        {DiagnosticErrorSummary(CancellationError()),
         {"CancellationError", "VltPlatform.CancellationError", 1, "unexpected"}},
        {DiagnosticErrorSummary(decoding), {"DecodingError", "VltPlatform.DecodingError", 2, "unexpected"}},
    };
    for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected) << expected.type;
}

TEST(PlatformErrorTest, CancellationIsRecognisedOnlyForTheCancellationError) {
    EXPECT_TRUE(isCancellation(makeCancellationError()));
    EXPECT_FALSE(isCancellation(makeSystemError(ECANCELED)));
    EXPECT_FALSE(isCancellation(ErrorPtr()));
}

TEST(PlatformErrorTest, SystemErrorDescribesStepFileAndReason) {
    const SystemError error(EACCES, "rename", "/home/ana/settings.json");
    EXPECT_EQ(error.description(), "rename /home/ana/settings.json: Permission denied");
    EXPECT_EQ(SystemError(std::make_error_code(std::errc::no_space_on_device)).code(), ENOSPC);
}

}  // namespace
}  // namespace vlt
