#include "imaging/IQThreadBudget.h"

#include <QThread>

#include <algorithm>
#include <atomic>

namespace {

std::atomic<int> setTokens{0};
std::atomic<int> heldTokens{0};
std::atomic<int> peakTokens{0};
// Seats of the calling thread, counting the ones nested in the first.
thread_local int seatDepth = 0;

} // namespace

IQThreadBudget::Lease::Lease(int wanted) : taken(take(wanted)) {}

IQThreadBudget::Lease::~Lease()
{
    giveBack(taken);
}

IQThreadBudget::Seat::Seat()
{
    if (seatDepth++ == 0) {
        holds = true;
        noteHeld(heldTokens.fetch_add(1, std::memory_order_acq_rel) + 1);
    }
}

IQThreadBudget::Seat::~Seat()
{
    --seatDepth;
    if (holds)
        giveBack(1);
}

IQThreadBudget::LeasedSeat::LeasedSeat()
{
    ++seatDepth;
}

IQThreadBudget::LeasedSeat::~LeasedSeat()
{
    --seatDepth;
}

int IQThreadBudget::capacity()
{
    const int tokens = setTokens.load(std::memory_order_relaxed);
    return tokens > 0 ? tokens : std::max(1, QThread::idealThreadCount());
}

void IQThreadBudget::setCapacity(int tokens)
{
    setTokens.store(std::max(0, tokens), std::memory_order_relaxed);
}

int IQThreadBudget::inUse()
{
    return heldTokens.load(std::memory_order_relaxed);
}

int IQThreadBudget::peakInUse()
{
    return peakTokens.load(std::memory_order_relaxed);
}

void IQThreadBudget::resetPeak()
{
    peakTokens.store(inUse(), std::memory_order_relaxed);
}

int IQThreadBudget::take(int wanted)
{
    if (wanted <= 0)
        return 0;
    const int limit = capacity();
    int held = heldTokens.load(std::memory_order_relaxed);
    int got = 0;
    do {
        got = std::min(wanted, limit - held);
        if (got <= 0)
            return 0;
    } while (!heldTokens.compare_exchange_weak(held, held + got, std::memory_order_acq_rel,
                                               std::memory_order_relaxed));
    noteHeld(held + got);
    return got;
}

void IQThreadBudget::noteHeld(int held)
{
    int peak = peakTokens.load(std::memory_order_relaxed);
    while (held > peak
           && !peakTokens.compare_exchange_weak(peak, held, std::memory_order_relaxed)) {
    }
}

void IQThreadBudget::giveBack(int tokens)
{
    if (tokens > 0)
        heldTokens.fetch_sub(tokens, std::memory_order_acq_rel);
}
