#pragma once
// Runs a start-up step once, right after the window's first frame is on screen (at the latest a
// second after the start): what need not delay the first frame (the kept tape, the window icon)
// comes then. Input that arrives before the step ran (a key typed at once, a click) runs the step
// first and is handled after it, so nothing the user does meets a half-started calculator.

#include <QObject>
#include <functional>

class QWidget;

namespace reckora {

class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget& window, std::function<void()> step);
    ~AfterFirstFrame() override;
    AfterFirstFrame(const AfterFirstFrame&) = delete;
    AfterFirstFrame& operator=(const AfterFirstFrame&) = delete;

    // Runs the step now, if it has not run yet.
    void RunNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void()> step_;
    bool queued_ = false;
};

}  // namespace reckora
