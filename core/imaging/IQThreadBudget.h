#pragma once

#include <system_error>
#include <thread>

// The cores that the threads of a conversion share, as one process-wide count of tokens (one
// per core by default). A thread that converts holds a token while it works; work that could
// use more threads asks for tokens and starts only as many helpers as it got. Nobody waits for
// a token: what is not free is done on the asking thread. So a batch whose pool fills every
// core leaves its encoders one thread each, while a lone export still spreads over every core.
class IQThreadBudget
{
public:
    // Up to wanted tokens for helper threads, as many as are free; given back when it goes.
    class Lease
    {
    public:
        explicit Lease(int wanted);
        ~Lease();
        Lease(const Lease &) = delete;
        Lease &operator=(const Lease &) = delete;

        int count() const { return taken; }

    private:
        int taken = 0;
    };

    // A token for the calling thread itself while it works, unless it holds one already (an
    // encoder called on a pool thread takes none of its own). The thread works whether or not
    // one is free, so it takes its token all the same, and leases get none until the count is
    // back below the capacity.
    class Seat
    {
    public:
        Seat();
        ~Seat();
        Seat(const Seat &) = delete;
        Seat &operator=(const Seat &) = delete;

    private:
        bool holds = false;
    };

    // The number of tokens: QThread::idealThreadCount() unless set.
    static int capacity();
    // For benchmarks and tests; 0 or less goes back to QThread::idealThreadCount().
    static void setCapacity(int tokens);
    // Tokens held now, and the most held at once since the last resetPeak().
    static int inUse();
    static int peakInUse();
    static void resetPeak();

    // A helper thread running work on a token that its starter leased, or an empty one when the
    // system has no thread to give; the caller then does the work itself.
    template <typename Work>
    static std::thread startThread(const Work &work)
    {
        try {
            return std::thread([work] {
                const LeasedSeat seat;
                work();
            });
        } catch (const std::system_error &) {
            return std::thread();
        }
    }

private:
    // Seats a helper thread on its leased token, so that a Seat on it takes none.
    struct LeasedSeat
    {
        LeasedSeat();
        ~LeasedSeat();
    };

    static int take(int wanted);
    static void noteHeld(int held);
    static void giveBack(int tokens);
};
