#pragma once

#include <atomic>
#include <mutex>

// A doubly linked list that signal handlers walk without a lock while ordinary code
// changes it under one. A walk is announced through the reader count; a node unlinked
// while someone walks is kept (its `next` intact, so the walker can go on) and reused
// only once nobody walks, never freed under a walker. Writers allocate; readers do not.
template <typename T>
class vtcrash_async_list {
public:
    struct node {
        T value;
        node* prev = nullptr;
        std::atomic<node*> next{nullptr};
    };

    vtcrash_async_list() = default;
    vtcrash_async_list(const vtcrash_async_list&) = delete;
    vtcrash_async_list& operator=(const vtcrash_async_list&) = delete;

    ~vtcrash_async_list() {
        remove_all();
        free_chain(free_);
    }

    void append(const T& value) {
        const std::lock_guard lock(lock_);
        node* added = take_node(value);
        if (tail_ == nullptr) {
            tail_ = added;
            head_.store(added, std::memory_order_release);
            return;
        }
        added->prev = tail_;
        tail_->next.store(added, std::memory_order_release);
        tail_ = added;
    }

    void prepend(const T& value) {
        const std::lock_guard lock(lock_);
        node* added = take_node(value);
        node* first = head_.load(std::memory_order_relaxed);
        added->next.store(first, std::memory_order_relaxed);
        if (first == nullptr) {
            tail_ = added;
        } else {
            first->prev = added;
        }
        head_.store(added, std::memory_order_release);
    }

    // Removes the first node whose value the predicate accepts; false when none does.
    template <typename Predicate>
    bool remove_first(Predicate accepts) {
        const std::lock_guard lock(lock_);
        for (node* current = head_.load(std::memory_order_relaxed); current != nullptr;
             current = current->next.load(std::memory_order_relaxed)) {
            if (!accepts(current->value)) continue;
            unlink(current);
            return true;
        }
        return false;
    }

    void remove_all() {
        const std::lock_guard lock(lock_);
        while (node* first = head_.load(std::memory_order_relaxed)) unlink(first);
    }

    // Readers: announce the walk, follow `next` from `first()`, end the walk.
    void set_reading(bool reading) {
        if (reading) {
            readers_.fetch_add(1, std::memory_order_acq_rel);
        } else {
            readers_.fetch_sub(1, std::memory_order_acq_rel);
        }
    }
    const node* first() const { return head_.load(std::memory_order_acquire); }
    static const node* next(const node* current) { return current->next.load(std::memory_order_acquire); }

private:
    node* take_node(const T& value) {
        node* reused = nullptr;
        // A free node may still be under a walker that read its `next` before it was
        // unlinked; it is handed out again only when no walk is going on.
        if (free_ != nullptr && readers_.load(std::memory_order_acquire) == 0) {
            reused = free_;
            free_ = free_->prev;
        }
        node* result = reused != nullptr ? reused : new node;
        result->value = value;
        result->prev = nullptr;
        result->next.store(nullptr, std::memory_order_relaxed);
        return result;
    }

    void unlink(node* removed) {
        node* following = removed->next.load(std::memory_order_relaxed);
        if (removed->prev == nullptr) {
            head_.store(following, std::memory_order_release);
        } else {
            removed->prev->next.store(following, std::memory_order_release);
        }
        if (following == nullptr) {
            tail_ = removed->prev;
        } else {
            following->prev = removed->prev;
        }
        if (readers_.load(std::memory_order_acquire) > 0) {
            // Kept for a walker that may stand on it; the free chain goes through `prev`.
            removed->prev = free_;
            free_ = removed;
        } else {
            delete removed;
        }
    }

    static void free_chain(node* chain) {
        while (chain != nullptr) {
            node* following = chain->prev;
            delete chain;
            chain = following;
        }
    }

    std::mutex lock_;
    std::atomic<node*> head_{nullptr};
    node* tail_ = nullptr;
    std::atomic<int> readers_{0};
    node* free_ = nullptr;
};
