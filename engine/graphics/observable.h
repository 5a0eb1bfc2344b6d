// A minimal observer pattern: an observable notifies its observers once per change.
#pragma once

#include <set>

class Observable;

class Observer {
public:
    virtual ~Observer();
    virtual void OnNotify(Observable* observable, int argument) = 0;

    void Watch(Observable* observable);
    void Unwatch(Observable* observable);
    const std::set<Observable*>& Watched() const { return watched_; }

private:
    friend class Observable;
    std::set<Observable*> watched_;
};

class Observable {
public:
    Observable() = default;
    virtual ~Observable();
    Observable(const Observable&) = delete;
    Observable& operator=(const Observable&) = delete;

    // Tells every observer, in the set's order, when the changed flag is set; then clears it.
    virtual void Notify(int argument);

    void SetChanged() { changed_ = true; }
    bool HasChanged() const { return changed_; }
    const std::set<Observer*>& Observers() const { return observers_; }

private:
    friend class Observer;
    bool changed_ = false;
    std::set<Observer*> observers_;
};
