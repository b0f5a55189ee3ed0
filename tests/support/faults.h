#pragma once

#include <memory>

#include <QString>

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

/// A plan that makes the first @p op on @p path fail and lets everything else run.
inline sys::FaultInjector failFirst(sys::FileOp op, const QString& path) {
    auto seen = std::make_shared<int>(0);
    return [op, path, seen](sys::FileOp asked, const QString& file) {
        return asked == op && file == path && ++*seen == 1 ? sys::Fault{sys::Fault::Fail} : sys::Fault{};
    };
}

} // namespace orvelia::test
