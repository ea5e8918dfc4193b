// One full repaint of the date picker: every area painted onto the control's
// surface in the order a resize uses, then the surface put on screen. Prints
// the median and the spread over many runs.

#include "datepicker/Lundar1.h"

#include <QApplication>
#include <QDateTime>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lundar::Lundar1 control;
    control.setValue(QDateTime(QDate(2013, 2, 20), QTime(0, 0)));
    control.show();
    QApplication::processEvents();

    constexpr int kWarmUp = 20;
    constexpr int kRuns = 500;
    std::vector<double> micros;
    micros.reserve(kRuns);
    for (int i = 0; i < kWarmUp + kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        control.repaintAll();
        control.repaint();
        const auto end = std::chrono::steady_clock::now();
        if (i >= kWarmUp)
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[std::size_t(q * double(micros.size() - 1))]; };
    std::printf("lundar full repaint (290 x 235, February 2013), %d runs\n", kRuns);
    std::printf("  median %.1f us   p10 %.1f us   p90 %.1f us   min %.1f us\n", at(0.5), at(0.1), at(0.9),
                micros.front());
    return 0;
}
