#pragma once
// Items that need nothing of each other (the workbooks of a folder) worked on
// side by side on the machine's cores and handed out strictly in order.
// Working them together changes nothing but the time: the caller takes them
// one after the other and may stop at any of them (a read error, a full
// table), after which nothing more is started and the workers already busy
// are waited for.

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tarnby {

template <typename Result>
class OrderedWork {
public:
    // work(i) gives the result of item i; it runs on a worker thread and must
    // change nothing the other items use.
    OrderedWork(int count, std::function<Result(int)> work) : work_(std::move(work)), results_(std::size_t(count))
    {
        // Twice as many workers as cores: with one per core, the last items
        // (three workbooks on two cores) would be worked by one alone while
        // the other core idles.
        const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
        const int workers = std::min(count, 2 * cores);
        // a worker runs ahead of the caller by a few items at most, so a folder
        // of many large workbooks is never held in memory all at once
        ahead_ = 2 * workers;
        if (workers <= 1)
            return; // one item: read in the caller's thread, no thread to start
        threads_.reserve(std::size_t(workers));
        for (int w = 0; w < workers; ++w)
            threads_.emplace_back([this] { serve(); });
    }

    ~OrderedWork()
    {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }

    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    // The result of item i, waiting for it; items are taken in order 0, 1, 2 …
    // A worker's exception is thrown here, to the caller.
    Result take(int i)
    {
        if (threads_.empty()) {
            taken_ = i + 1;
            return work_(i);
        }
        std::unique_lock lock(mutex_);
        taken_ = i + 1;
        wake_.notify_all(); // room ahead for the workers
        ready_.wait(lock, [&] { return results_[std::size_t(i)].has_value(); });
        Slot slot = std::move(*results_[std::size_t(i)]);
        results_[std::size_t(i)].reset();
        if (slot.error)
            std::rethrow_exception(slot.error);
        return std::move(slot.result);
    }

private:
    struct Slot {
        Result result{};
        std::exception_ptr error;
    };

    void serve()
    {
        for (;;) {
            int i = 0;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [&] { return stopped_ || next_ >= int(results_.size()) || next_ < taken_ + ahead_; });
                if (stopped_ || next_ >= int(results_.size()))
                    return;
                i = next_++;
            }
            Slot slot;
            try {
                slot.result = work_(i);
            } catch (...) {
                slot.error = std::current_exception();
            }
            {
                std::lock_guard lock(mutex_);
                results_[std::size_t(i)] = std::move(slot);
            }
            ready_.notify_all();
        }
    }

    std::function<Result(int)> work_;
    std::vector<std::optional<Slot>> results_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_;  // workers: room ahead, or stop
    std::condition_variable ready_; // the caller: a result is in
    int next_ = 0;   // the next item a worker starts
    int taken_ = 0;  // items the caller has asked for
    int ahead_ = 1;
    bool stopped_ = false;
};

} // namespace tarnby
