// A first-in first-out queue of values: the results that calls hand back to their callers,
// and the requests a context waits to serve.
#pragma once

#include <deque>

template <class T>
class CDataQueue {
public:
    virtual ~CDataQueue() = default;

    virtual void Push(const T& element) { elements_.push_back(element); }

    // Leaves `out` as it was when the queue is empty.
    virtual bool Pop(T& out) {
        if (elements_.empty()) return false;
        out = elements_.front();
        elements_.pop_front();
        return true;
    }

    virtual bool IsEmpty() const { return elements_.empty(); }

private:
    std::deque<T> elements_;
};
