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

TEST(DiagnosticErrorSummaryTest, OwnFailureIsDescribedByItsTypeModuleDomainAndCaseNumber) {
    const DiagnosticErrorSummary summary{SampleFailure()};
    EXPECT_EQ(summary, DiagnosticErrorSummary("SampleFailure", "VltMac.SampleFailure", 2, "sample-corrupted"));
}

TEST(DiagnosticErrorSummaryTest, WrapperIsDescribedByItsUnderlyingErrorButKeepsItsOwnCode) {
    const SampleSystemFailure wrapper(makeSystemError(EACCES, "open", "/tmp/x"));
    const DiagnosticErrorSummary summary(wrapper);
    EXPECT_EQ(summary.type, "SystemError");
    EXPECT_EQ(summary.domain, "POSIX");
    EXPECT_EQ(summary.code, EACCES);
    EXPECT_EQ(summary.stableCode, "sample-system-failed");
}

TEST(DiagnosticErrorSummaryTest, OnlyOneLevelIsUnwrapped) {
    const auto inner = makeError<SampleSystemFailure>(makeSystemError(ENOSPC));
    const SampleSystemFailure outer(inner);
    const DiagnosticErrorSummary summary(outer);
    EXPECT_EQ(summary.type, "SampleSystemFailure");
    EXPECT_EQ(summary.domain, "VltMac.SampleSystemFailure");
}

TEST(DiagnosticErrorSummaryTest, WrapperWithoutUnderlyingErrorDescribesItself) {
    const SampleSystemFailure wrapper(nullptr);
    EXPECT_EQ(DiagnosticErrorSummary(wrapper),
              DiagnosticErrorSummary("SampleSystemFailure", "VltMac.SampleSystemFailure", 0, "sample-system-failed"));
}

TEST(DiagnosticErrorSummaryTest, PlatformErrorsHaveNoStableCode) {
    EXPECT_EQ(DiagnosticErrorSummary(SystemError(ENOENT)),
              DiagnosticErrorSummary("SystemError", "POSIX", ENOENT, "unexpected"));
    EXPECT_EQ(DiagnosticErrorSummary(CancellationError()),
              DiagnosticErrorSummary("CancellationError", "VltPlatform.CancellationError", 1, "unexpected"));
    const DecodingError decoding(DecodingError::Kind::keyNotFound, "version", "missing");
    EXPECT_EQ(DiagnosticErrorSummary(decoding),
              DiagnosticErrorSummary("DecodingError", "VltPlatform.DecodingError", 2, "unexpected"));
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
