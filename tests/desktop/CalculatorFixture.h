#pragma once
// A shown calculator window at a chosen density, started as the program starts it, with its
// settings store in a temporary folder.

#include <gtest/gtest.h>

#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "CalculatorApp.h"

namespace reckora {

inline std::unique_ptr<CalculatorApp> StartCalculator(double twipsPerPixel,
                                                      CalculatorAppOptions options = {}) {
    static QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    options.twipsPerPixel = twipsPerPixel;
    options.locale = NumberLocale{".", ","};
    auto calculator = std::make_unique<CalculatorApp>(options);
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

// The leftmost and rightmost pixel columns of a colour in an image (-1 on the right: none).
inline std::pair<int, int> ColumnsOf(const QImage& paper, const QColor& colour) {
    int left = paper.width();
    int right = -1;
    for (int y = 0; y < paper.height(); ++y) {
        for (int x = 0; x < paper.width(); ++x) {
            if (paper.pixelColor(x, y) == colour) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

}  // namespace reckora
