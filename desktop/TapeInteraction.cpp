#include "TapeInteraction.h"

#include <QMenu>
#include <QRect>
#include <cmath>

#include "CalculatorCore.h"
#include "FindDialog.h"
#include "LineLayout.h"
#include "MainWindow.h"
#include "QtText.h"
#include "SpokenText.h"
#include "Translations.h"

namespace reckora {

TapeInteraction::TapeInteraction(MainWindow& window, CalculatorCore& core)
    : window_(window), core_(core) {
    TapeWidget& tape = window.Tape();
    QObject::connect(&tape, &TapeWidget::clicked, &window,
                     [this](double y) { core_.TapeWork().SelectLine(LineAt(y)); });
    // The press before it selected the line; a double click elsewhere only selects.
    QObject::connect(&tape, &TapeWidget::doubleClicked, &window, [this](double y) {
        const std::int32_t line = LineAt(y);
        if (line != 0 && line == core_.TapeWork().SelectedLine()) {
            core_.Window().RunMenu(MenuId::CorrectEntry);
        }
    });
    if (auto* edit = window.MenuEntry(MenuId::Edit)->menu()) {
        QObject::connect(edit, &QMenu::aboutToShow, &window, [this] {
            for (const MenuId entry : {MenuId::CorrectEntry, MenuId::Note}) {
                window_.MenuEntry(entry)->setEnabled(core_.Window().MenuEntryEnabled(entry));
            }
        });
    }
    tape.SetReading({
        .lines = [this] { return core_.Lines().CurrentLine(); },
        .spoken =
            [this](std::int32_t line) {
                const TapeLine& shown = core_.Lines().Line(line);
                return QtText(SpokenLine(
                    shown.text.View(), shown.mark, shown.itemCount, core_.Lines().Extras(line),
                    [](const char* text) { return UserText(text).toStdString(); }));
            },
        .note =
            [this](std::int32_t line) {
                const LineExtras* extras = core_.Lines().Extras(line);
                return extras != nullptr ? QtText(extras->note) : QString();
            },
        .selected = [this] { return core_.TapeWork().SelectedLine(); },
        .area = [this](std::int32_t line) { return AreaOf(line); },
    });
}

TapeInteraction::~TapeInteraction() {
    window_.Tape().SetReading({});
}

std::int32_t TapeInteraction::LineAt(double yTwips) const {
    const CalcTape& tape = core_.Tape();
    return tape.LineAt(yTwips + static_cast<double>(tape.ScrollTop()));
}

QRect TapeInteraction::AreaOf(std::int32_t line) const {
    const CalcTape& tape = core_.Tape();
    const LineBand band =
        BandOf(tape.Centre(line), core_.Lines().Line(line).mark, tape.LineHeight());
    const double scrollTop = static_cast<double>(tape.ScrollTop());
    const TwipScale& scale = window_.Scale();
    const int top = static_cast<int>(std::floor(scale.Pixels(band.top - scrollTop)));
    const int bottom = static_cast<int>(std::ceil(scale.Pixels(band.bottom - scrollTop)));
    const QRect area(0, top, window_.Tape().width(), bottom - top);
    return area.intersected(window_.Tape().rect());
}

void TapeInteraction::ShowFind() {
    if (find_ == nullptr) {
        find_ = new FindDialog(
            &window_,
            {.find = [this](const std::string& text) { return core_.TapeWork().FindLines(text); },
             .selected = [this] { return core_.TapeWork().SelectedLine(); },
             .select = [this](std::int32_t line) { core_.TapeWork().SelectLine(line); }});
    }
    find_->Open();
}

void TapeInteraction::Announce(std::int32_t line) {
    // A command leaves the selection before it adds a line, so a selected line is no new one.
    AnnounceTapeLine(window_.Tape(), line, line == core_.TapeWork().SelectedLine());
}

}  // namespace reckora
