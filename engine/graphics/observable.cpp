#include "engine/graphics/observable.h"

#include <vector>

Observer::~Observer() {
    for (Observable* observable : watched_) observable->observers_.erase(this);
}

void Observer::Watch(Observable* observable) {
    if (!observable) return;
    watched_.insert(observable);
    observable->observers_.insert(this);
}

void Observer::Unwatch(Observable* observable) {
    if (!observable) return;
    watched_.erase(observable);
    observable->observers_.erase(this);
}

Observable::~Observable() {
    for (Observer* observer : observers_) observer->watched_.erase(this);
}

void Observable::Notify(int argument) {
    if (!changed_) return;
    // An observer may stop watching from its notification: walk a copy.
    const std::vector<Observer*> observers(observers_.begin(), observers_.end());
    for (Observer* observer : observers) observer->OnNotify(this, argument);
    changed_ = false;
}
