#include <gtest/gtest.h>

#include "core/archive/browse.h"
#include "support/printers.h"

using namespace orvelia;

TEST(Browse, DecisionsFromThePositionOnScreenAndTheCount) {
    using C = BrowseCommand;
    using B = BrowseStep;
    struct Case {
        C command;
        const char* position;
        qint64 count;
        BrowseStep step;
    };
    const Case cases[] = {
        {C::First, "", 0, {B::ReportEmpty}},
        {C::Last, "3", 0, {B::ReportEmpty}},
        {C::Next, "", 0, {B::ReportEmpty, 0, true}},
        {C::Next, "2", 0, {B::ReportEmpty, 0, true}},
        {C::Previous, "", 0, {B::ReportEmpty}},
        {C::Previous, "1", 0, {B::Nothing}}, // on record 1 nothing is said, even when empty
        {C::First, "2", 3, {B::Load, 1}},
        {C::Last, "", 3, {B::Load, 3}},
        {C::Next, "", 3, {B::Load, 1}},
        {C::Next, "2", 3, {B::Load, 3}},
        {C::Next, "3", 3, {B::Nothing}},
        {C::Next, "9", 3, {B::Nothing}},
        {C::Previous, "", 3, {B::Load, 1}},
        {C::Previous, "1", 3, {B::Nothing}},
        {C::Previous, "3", 3, {B::Load, 2}},
        {C::Previous, "9", 3, {B::Load, 8}}, // past the end: the read will fail and say so
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.command) << " at '" << c.position << "' of " << c.count);
        EXPECT_EQ(decideBrowse(c.command, QString::fromLatin1(c.position), c.count), c.step);
    }
}
