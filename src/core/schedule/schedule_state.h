#pragma once
// The schedule store lives for the whole program run and is never written to disk. It is large
// (every pair list at its full size), so it lives on the heap and the application state stays
// cheap to build; copying the state copies the store.

#include "core/schedule/schedule_store.h"

#include <memory>

class ScheduleStoreHolder {
public:
    ScheduleStoreHolder()
        : Store(std::make_unique<ScheduleStore>()) {}
    ScheduleStoreHolder(const ScheduleStoreHolder& other)
        : Store(std::make_unique<ScheduleStore>(*other.Store)) {}
    ScheduleStoreHolder& operator=(const ScheduleStoreHolder& other) {
        if (this != &other) *Store = *other.Store;
        return *this;
    }

    ScheduleStore& operator*() { return *Store; }
    const ScheduleStore& operator*() const { return *Store; }
    ScheduleStore* operator->() { return Store.get(); }
    const ScheduleStore* operator->() const { return Store.get(); }

private:
    std::unique_ptr<ScheduleStore> Store;
};

struct ScheduleState {
    ScheduleStoreHolder Schedule;
};
