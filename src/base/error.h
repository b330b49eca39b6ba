#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vlt {

// Every failure that the system can report, wrap or log. The system's own failures
// derive from Failure below; errors that come from the operating system or a
// library keep the domain and code of their source.
class Error {
public:
    virtual ~Error() = default;

    // The type's own name without namespace, for example "ImageImportFailure".
    virtual std::string typeName() const = 0;
    virtual std::string domain() const = 0;
    virtual std::int64_t code() const = 0;
    // The localized text shown to the user; empty when the failure shows none.
    virtual std::string userMessage() const { return {}; }
};

using ErrorPtr = std::shared_ptr<const Error>;

// A failure that names its case with a code that never changes between releases.
class DiagnosticCodeProviding {
public:
    virtual ~DiagnosticCodeProviding() = default;
    virtual std::string diagnosticCode() const = 0;
};

// A failure that wraps an error of the platform; the log describes the wrapped one.
class DiagnosticUnderlyingErrorProviding {
public:
    virtual ~DiagnosticUnderlyingErrorProviding() = default;
    // Null when the failure wraps nothing.
    virtual const Error* underlyingError() const = 0;
};

// Base of the system's own failure enumerations. They name no platform domain, so
// the domain is the module-qualified type name and code() is the number of the case
// (cases that carry values first, then the others, each group from 0 in order).
class Failure : public Error, public DiagnosticCodeProviding {
public:
    std::string domain() const override { return std::string(kModuleName) + "." + typeName(); }

    static constexpr const char* kModuleName = "VltMac";
};

template <typename E, typename... Args>
ErrorPtr makeError(Args&&... args) {
    return std::make_shared<const E>(std::forward<Args>(args)...);
}

}  // namespace vlt
