#pragma once

#include <memory>
#include <utility>

namespace vlt {

// Lets go of `holder` away from the GUI thread: on a thread of its own when called on
// the GUI thread, at once anywhere else. Whatever its last holder destroys then (the
// decoded pixels of a giant photograph: hundreds of megabytes of memory and a
// multi-gigabyte unlinked file, whose pages the system frees inside close) costs the
// window no frame.
void releaseAwayFromMainThread(std::shared_ptr<const void> holder);

// The deleter of destroyedAwayFromMainThread: it holds the object's first owner and
// hands it to releaseAwayFromMainThread when the last shared holder lets go.
template <typename T>
class AwayFromMainThreadDeleter {
public:
    explicit AwayFromMainThreadDeleter(std::shared_ptr<T> owner) : owner_(std::move(owner)) {}
    void operator()(T*) { releaseAwayFromMainThread(std::move(owner_)); }

private:
    std::shared_ptr<T> owner_;
};

// `object`, shared as before, except that the holder who lets go of it last on the
// GUI thread does not destroy it there. Copies of the result share this rule; the
// object itself need not know it.
template <typename T>
std::shared_ptr<T> destroyedAwayFromMainThread(std::shared_ptr<T> object) {
    if (!object) return object;
    T* const pointer = object.get();
    return std::shared_ptr<T>(pointer, AwayFromMainThreadDeleter<T>(std::move(object)));
}

}  // namespace vlt
