#pragma once
// A shown calculator window at a chosen density, started as the program starts it.

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>

#include "CalculatorWindow.h"

namespace reckora {

inline std::unique_ptr<CalculatorWindow> StartCalculator(double twipsPerPixel) {
    CalculatorWindowOptions options;
    options.twipsPerPixel = twipsPerPixel;
    options.locale = NumberLocale{".", ","};
    auto calculator = std::make_unique<CalculatorWindow>(options);
    calculator->Start();
    calculator->Window().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&calculator->Window()));
    return calculator;
}

// Lets events run until the condition holds or a second has passed.
inline bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 100 && !condition(); ++i) {
        QTest::qWait(10);
    }
    return condition();
}

}  // namespace reckora
