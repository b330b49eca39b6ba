#pragma once

namespace vlt {

// A print under way over a window, as its owner holds it: it reports its outcome
// once, through the completion it was made with, and releasing it afterwards closes
// nothing that the user still sees. Releasing it earlier takes down whatever of it is
// still open, without an outcome.
class PrintOperation {
public:
    virtual ~PrintOperation() = default;
};

}  // namespace vlt
