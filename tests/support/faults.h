#pragma once

#include "core/system/system.h"

namespace orvelia::test {

/// Injects the faults @p plan decides into the file operations of this process while in scope.
class ScopedFaults {
public:
    explicit ScopedFaults(sys::FaultInjector plan) { sys::setFaultInjector(std::move(plan)); }
    ~ScopedFaults() { sys::setFaultInjector({}); }
    ScopedFaults(const ScopedFaults&) = delete;
    ScopedFaults& operator=(const ScopedFaults&) = delete;
};

} // namespace orvelia::test
