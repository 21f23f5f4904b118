// Arbitrary bytes as a change journal the program reads after a crash: its
// lines, the plans they tell of, the one that did not end and its switches.
// The oracle: a line that is read is a JSON object, and a plan's unknown
// switches are switches it reached.

#include "device/journal_plans.h"
#include "device/journal_reading.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    ORB_JournalReading reading;
    reading.add(bytes);
    if (reading.entries.size() + reading.set_aside > bytes.count('\n') + 1)
        __builtin_trap();
    const QVector<ORB_JournalPlan> plans = ORB_JournalPlans::read(reading.entries);
    for (const ORB_JournalPlan& plan : plans) {
        if (!plan.reached.contains(plan.unknown) || ORB_JournalPlans::find(plans, plan.id) == nullptr)
            __builtin_trap();
        for (const ORB_JournalPlan::Switch& s : plan.switches)
            if (!plan.planned(s.sn))
                __builtin_trap();
    }
    if (const ORB_JournalPlan* open = ORB_JournalPlans::interrupted(plans); open && open->ended)
        __builtin_trap();
    return 0;
}
