#pragma once

#include "Twips.h"

#include <QColor>

#include <array>

// The main window's layout, in twips, as one set of tables: the window builds every
// panel, box, button and label from these, so a position is written down once.
namespace MainBas::DieLayout {

constexpr int ClientWidth = 10665;
constexpr int ClientHeight = 7815;

struct Panel
{
    const char *name;
    Placement at;
    QColor fill;
};

// Listed bottom to top; every other control lies above them.
inline const std::array<Panel, 5> Panels = {{
    {"Shape1(2)", {0, 0, 10695, 1335}, QColor(0, 0, 64)},
    {"Shape1(1)", {0, 1320, 10695, 2175}, QColor(64, 0, 0)},
    {"Shape1(0)", {0, 3480, 8415, 4335}, QColor(128, 0, 0)},
    {"Shape2", {8400, 3480, 2295, 2775}, QColor(0, 0, 0)},
    {"Shape1(3)", {8400, 6240, 2295, 1575}, QColor(0, 0, 128)},
}};

struct Box
{
    const char *name;
    const char *accessibleName;
    Placement at;
};

inline constexpr Box Dices = {"txtDices", "Dice", {120, 120, 2895, 285}};
inline constexpr Box Result = {"txtErgebnis", "Result", {120, 480, 2895, 405}};
inline constexpr Box Info = {"txtInfo", "Information", {3120, 120, 7455, 1095}};
inline constexpr Box Samples = {"txtProbeCount", "Samples", {2040, 960, 975, 285}};

struct Button
{
    const char *name;
    const char *caption;
    Placement at;
};

inline constexpr Button Statistic = {"cmdStatistic", "Statistics", {120, 960, 1095, 255}};
inline constexpr Button Steps = {"cmdSteps", "Step Table", {1080, 3720, 975, 255}};
inline constexpr Button Help = {"cmdHelp", "Help", {9600, 6360, 975, 255}};
inline constexpr Button Clean = {"cmdClean", "Clear", {9600, 6720, 975, 255}};
inline constexpr Button About = {"cmdAbout", "About", {9600, 7080, 975, 255}};
inline constexpr Button Exit = {"cmdExit", "Exit", {9600, 7440, 975, 255}};

// A grid of buttons filled by columns: member i sits in column i / rows, row i % rows.
struct ButtonArray
{
    const char *name;
    int members;
    int rows;
    int left;
    int top;
    int columnStep;
    int rowStep;
    int width;
    int height;

    Placement placementOf(int index) const
    {
        return {left + columnStep * (index / rows), top + rowStep * (index % rows), width, height};
    }
};

inline constexpr ButtonArray StepButtons = {"cmdStep", 100, 10, 240, 4080, 480, 360, 375, 255};
inline constexpr ButtonArray DecisionButtons
    = {"cmdDecision", 50, 10, 6000, 4080, 480, 360, 375, 255};
inline constexpr ButtonArray AddDiceButtons = {"cmdAddDice", 6, 6, 5160, 4080, 0, 360, 615, 255};
inline constexpr ButtonArray ActionButtons = {"cmdAction", 20, 4, 120, 1440, 1920, 480, 1815, 375};

// The last step button is wider, to hold "100".
constexpr int WideStepButtonWidth = 495;

// Design-time captions, replaced at start-up.
inline constexpr const char *StepDesignCaption = "80";
inline constexpr const char *DecisionDesignCaption = "2";
inline constexpr const char *ActionDesignCaption = "Begegnung Stadt";
inline constexpr std::array<const char *, 6> AddDiceCaptions
    = {"+D4", "+D6", "+D8", "+D10", "+D12", "+D20"};

struct Label
{
    const char *name;
    const char *caption;
    Placement at;
    QColor colour;
    double pointSize;
    bool bold;
    bool decorative = false; // kept from assistive technology
};

inline const std::array<Label, 6> Labels = {{
    {"lblN", "Samples:", {1320, 960, 735, 255}, QColor(255, 255, 255), 8, false},
    {"lblPad(0)", "Steps", {240, 3600, 705, 360}, QColor(255, 224, 192), 13.5, false},
    {"lblPad(1)", "Add", {5160, 3600, 525, 360}, QColor(255, 224, 192), 13.5, false},
    {"lblPad(2)", "Decisions", {6000, 3600, 1230, 360}, QColor(255, 224, 192), 13.5, false},
    {"lblPad(3)", "PAD", {5040, 6720, 780, 435}, QColor(192, 192, 192), 18, true, true},
    {"lblPad(4)", "TXT", {9720, 1440, 795, 435}, QColor(192, 192, 192), 18, true, true},
}};

inline constexpr Placement Picture = {8520, 3720, 2100, 2400};

} // namespace MainBas::DieLayout
